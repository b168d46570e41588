// The least any X client showing 60 frames a second costs, the saver's way:
// it sleeps to the next frame, takes the server's word that the last shared
// image was read, writes a few pixels into it, sends them with XShmPutImage
// and flushes. Beside the hacks it shows how much of the saver's cost is the
// wake-ups themselves, its own and its X server's.
//
// Usage: aerolark-x-put-floor [WIDTH HEIGHT] (the part sent each frame, 1 x 1
// by default, at most 800 x 600). Runs until killed.

#include <sys/ipc.h>
#include <sys/shm.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr long kFrameNanoseconds = 1000000000L / 60;

void SleepUntilNextFrame(timespec& next) {
  next.tv_nsec += kFrameNanoseconds;
  if (next.tv_nsec >= 1000000000L) {
    next.tv_nsec -= 1000000000L;
    ++next.tv_sec;
  }
  clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  const int width = argc > 2 ? std::atoi(argv[1]) : 1, height = argc > 2 ? std::atoi(argv[2]) : 1;
  Display* display = XOpenDisplay(nullptr);
  if (!display || !XShmQueryExtension(display) || width < 1 || height < 1 || width > kWidth ||
      height > kHeight) {
    std::fprintf(stderr, "aerolark-x-put-floor: no X server with shared memory, or a bad size\n");
    return 1;
  }
  const Window root = DefaultRootWindow(display);
  XShmSegmentInfo shm{};
  XImage* image = XShmCreateImage(display, DefaultVisual(display, DefaultScreen(display)),
                                  DefaultDepth(display, DefaultScreen(display)), ZPixmap, nullptr,
                                  &shm, kWidth, kHeight);
  shm.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(image->bytes_per_line) * kHeight,
                     IPC_CREAT | 0600);
  shm.shmaddr = image->data = static_cast<char*>(shmat(shm.shmid, nullptr, 0));
  XShmAttach(display, &shm);
  XSync(display, False);
  shmctl(shm.shmid, IPC_RMID, nullptr);
  GC gc = XCreateGC(display, root, 0, nullptr);
  const int completion = XShmGetEventBase(display) + ShmCompletion;
  timespec next{};
  clock_gettime(CLOCK_MONOTONIC, &next);
  for (unsigned frame = 0;; ++frame) {
    XEvent event;
    XCheckTypedEvent(display, completion, &event);
    for (int y = 0; y < height; ++y) {
      std::memset(image->data + y * image->bytes_per_line, static_cast<int>(frame),
                  static_cast<size_t>(width) * image->bits_per_pixel / 8);
    }
    XShmPutImage(display, root, gc, image, 0, 0, 0, 0, width, height, True);
    XFlush(display);
    SleepUntilNextFrame(next);
  }
}
