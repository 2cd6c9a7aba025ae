#pragma once
// SVG on the headless platform: never drawn, so every SVG picture shows the engine's
// placeholder and tests that meet one stay the same on every machine.

#include "platform/SvgRenderer.h"

class THeadlessSvgRenderer : public TSvgRenderer {
public:
  std::unique_ptr<TBitmap> Render(std::span<const std::uint8_t>, int, int,
                                  TColor) const override {
    return nullptr;
  }
};
