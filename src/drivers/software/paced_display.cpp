#include "drivers/software/paced_display.h"

namespace aerolark {

PacedDisplay::PacedDisplay(std::unique_ptr<PictureDecoder> pictures,
                           std::unique_ptr<TextRasteriser> text, std::string statsPath)
    : pictures_(std::move(pictures)), text_(std::move(text)), statsPath_(std::move(statsPath)) {}

PacedDisplay::~PacedDisplay() = default;

bool PacedDisplay::OpenOutput(int frameWidth, int frameHeight) {
  screen_.reset();
  screen_ = OpenScreen(frameWidth, frameHeight);
  return screen_ != nullptr;
}

void PacedDisplay::RunEvents(DrawingEvents& sink) {
  if (!screen_) return;
  LoopStats stats(statsPath_);
  RunLoop(*screen_, sink, stats);
}

void PacedDisplay::RunLoop(Screen& screen, DrawingEvents& sink, LoopStats& stats) {
  RunPacedLoop(screen, compositor_, sink, stats, chore_);
}

}  // namespace aerolark
