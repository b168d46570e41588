#pragma once
// Identifiers shared by the resource script and the dialog procedures. A
// control the logic drives has the identifier 1000 + its position in the
// Control enumeration (checked in win32_controls.cpp); the rest follow.
// Plain defines: the resource compiler reads this file too.

#define IDD_SETUP 100
#define IDD_PAGE_AIRCRAFT 101
#define IDD_PAGE_BACKGROUND 102
#define IDD_PAGE_LOGO_MESSAGE 103
#define IDD_PAGE_HELP 104
#define IDD_PAGE_TUNE 105
#define IDD_CHOOSER 106
#define IDD_ABOUT 107

#define IDC_hsbMouseS 1000
#define IDC_txtMouseS 1001
#define IDC_chkClock 1002
#define IDC_txtFontSize 1003
#define IDC_chkPowerSave 1004
#define IDC_chkBG 1005
#define IDC_HSBSec 1006
#define IDC_txtBGPlanes 1007
#define IDC_chkProp 1008
#define IDC_hsbFastJet 1009
#define IDC_txtFastJet 1010
#define IDC_cboSoundOff 1011
#define IDC_hsbVolume 1012
#define IDC_hsbSpeed 1013
#define IDC_txtSpeed 1014
#define IDC_optBakGrnd 1015
#define IDC_cmdSelectBG 1016
#define IDC_txtBGFile 1017
#define IDC_chkLogo 1018
#define IDC_txtLogo 1019
#define IDC_chkMessage 1020
#define IDC_txtMessage 1021
#define IDC_cboFontsScreen 1022
#define IDC_cboFontSize 1023
#define IDC_lblSample 1024
#define IDC_hsbTunePC 1025
#define IDC_txtTunePC 1026
#define IDC_txtFileName 1027
#define IDC_filFiles 1028
#define IDC_cboFileType 1029
#define IDC_lblDirName 1030
#define IDC_dirDirectory 1031
#define IDC_drvDrive 1032

// The second and third member of the option group (the first is IDC_optBakGrnd).
#define IDC_optBakGrnd1 1050
#define IDC_optBakGrnd2 1051
#define IDC_swatchBlack 1052
#define IDC_swatchSkyBlue 1053
#define IDC_lblFolder 1054
#define IDC_cmdSelectLogo 1060
#define IDC_cmdAbout 1061
#define IDC_cmdHelp 1062
#define IDC_SSTab1 1070
// The help page: question i is 1080 + 2i, its answer 1081 + 2i.
#define IDC_helpFirst 1080
#define IDC_lblFileName 1090
#define IDC_lblFileType 1091
#define IDC_lblDirectories 1092
#define IDC_lblDrive 1093
#define IDC_aboutIcon 1094
#define IDC_aboutText 1095
