#pragma once
// The paint schemes of the fifteen biplanes, one row per plane, in plane
// order (row 1 is biplane01.bmp). To repaint a plane, change its row: the
// drawing takes every colour and marking from here, and paints the plane's
// number on its fuselage.

#include <array>

#include "paint.h"

namespace aerolark::art {

// The mark on the fuselage side.
enum class Insignia {
  Rings,    // three concentric rings: outer, middle, inner
  Star,     // a five-pointed star (inner) on a disc (outer) with a ring (middle)
  Chequer,  // a disc chequered in outer and inner, rimmed with middle
  Lark,     // a bird silhouette (inner) on a disc (outer) rimmed with middle
};

struct Livery {
  const char* name;
  Colour fuselage;
  Colour wings;   // both wings and the tailplane
  Colour stripe;  // the band along the fuselage, spinner and propeller tips
  Colour tail;    // fin; the rudder carries the three rudder stripes
  Colour cowl;    // engine cowling ring and wheel hubs
  Insignia insignia;
  Colour outer, middle, inner;
  std::array<Colour, 3> rudder;  // front to back
  Colour scarf;                  // the pilot's scarf
};

inline constexpr Colour kWhite = Rgb8(246, 244, 236);
inline constexpr Colour kCream = Rgb8(238, 226, 190);
inline constexpr Colour kBlack = Rgb8(38, 36, 40);
inline constexpr Colour kRed = Rgb8(204, 36, 40);
inline constexpr Colour kBlue = Rgb8(30, 70, 170);
inline constexpr Colour kYellow = Rgb8(250, 204, 40);
inline constexpr Colour kGreen = Rgb8(46, 120, 62);
inline constexpr Colour kOrange = Rgb8(242, 122, 30);
inline constexpr Colour kSilver = Rgb8(188, 194, 204);
inline constexpr Colour kPurple = Rgb8(112, 58, 156);
inline constexpr Colour kGold = Rgb8(222, 172, 52);

// clang-format off
inline constexpr std::array<Livery, 15> kLiveries{{
  // name             fuselage            wings               stripe     tail                cowl       insignia           outer      middle     inner      rudder stripes              scarf
  {"Scarlet",         kRed,               kCream,             kWhite,    kRed,               kBlack,    Insignia::Rings,   kBlue,     kWhite,    kRed,      {{kBlue, kWhite, kRed}},    kWhite},
  {"Royal Blue",      kBlue,              kSilver,            kYellow,   kBlue,              kYellow,   Insignia::Star,    kWhite,    kRed,      kBlue,     {{kRed, kWhite, kBlue}},    kRed},
  {"Canary",          kYellow,            Rgb8(250,242,208),  kBlue,     kYellow,            kBlue,     Insignia::Rings,   kRed,      kWhite,    kBlue,     {{kBlue, kYellow, kBlue}},  kBlue},
  {"Forest",          kGreen,             Rgb8(204,184,128),  kOrange,   kGreen,             kOrange,   Insignia::Lark,    kCream,    kOrange,   kGreen,    {{kOrange, kCream, kGreen}}, kOrange},
  {"Tangerine",       kOrange,            kWhite,             kBlack,    kOrange,            kBlack,    Insignia::Chequer, kBlack,    kWhite,    kWhite,    {{kBlack, kWhite, kBlack}}, kYellow},
  {"Silver Mail",     kSilver,            Rgb8(150,34,44),    kRed,      kSilver,            kRed,      Insignia::Rings,   kBlue,     kWhite,    kRed,      {{kRed, kWhite, kRed}},     kRed},
  {"Royal Purple",    kPurple,            Rgb8(214,200,236),  kGold,     kPurple,            kGold,     Insignia::Star,    kGold,     kPurple,   kWhite,    {{kGold, kPurple, kGold}},  kGold},
  {"Lagoon",          Rgb8(32,150,160),   kWhite,             kRed,      Rgb8(32,150,160),   kRed,      Insignia::Lark,    kWhite,    kRed,      Rgb8(20,80,90), {{kRed, kWhite, kRed}}, kRed},
  {"Night Gold",      Rgb8(46,46,56),     kGold,              kGold,     Rgb8(46,46,56),     kGold,     Insignia::Rings,   kGold,     Rgb8(46,46,56), kGold, {{kGold, Rgb8(46,46,56), kGold}}, kWhite},
  {"Flamingo",        Rgb8(232,112,150),  kWhite,             kPurple,   Rgb8(232,112,150),  kPurple,   Insignia::Lark,    kWhite,    kPurple,   Rgb8(232,112,150), {{kPurple, kWhite, kPurple}}, kYellow},
  {"Olive Drab",      Rgb8(106,114,58),   Rgb8(196,184,136),  kWhite,    Rgb8(106,114,58),   kWhite,    Insignia::Star,    kBlue,     kWhite,    kWhite,    {{kRed, kWhite, kRed}},     kWhite},
  {"Racing Chequer",  kWhite,             kBlue,              kBlue,     kWhite,             kBlue,     Insignia::Chequer, kBlue,     kBlue,     kWhite,    {{kBlue, kWhite, kBlue}},   kRed},
  {"Vintage Cream",   kCream,             Rgb8(180,40,40),    kRed,      kCream,             Rgb8(120,30,30), Insignia::Rings, kGreen, kWhite, kRed,    {{kGreen, kWhite, kRed}},   kGreen},
  {"Lime",            Rgb8(150,200,52),   kWhite,             kBlue,     Rgb8(150,200,52),   kBlue,     Insignia::Star,    kBlue,     kWhite,    kYellow,   {{kBlue, kYellow, kBlue}},  kBlue},
  {"Varnished Wood",  Rgb8(156,98,50),    kCream,             kCream,    Rgb8(156,98,50),    kGold,     Insignia::Lark,    kCream,    kGold,     Rgb8(110,60,30), {{kGold, kCream, kGold}}, kRed},
}};
// clang-format on

}  // namespace aerolark::art
