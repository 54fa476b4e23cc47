#include "engine/core/Engine.h"
#include "engine/platform/headless/HeadlessPlatform.h"
int main() {
  engine::platform::headless::HeadlessPlatform p;
  Vorel.AttachPlatform(&p);
  int frames = 0;
  int rc = Vorel.Entry([] { Vorel.Initialize(1, 800, 600); },
                       [&] {
                         if (++frames == 10) Vorel.Quit();
                         Vorel.ViewUpdate();
                       });
  Vorel.DetachPlatform();
  return rc;
}
