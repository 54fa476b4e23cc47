// ErrorReport.h -- the title and advice of each status code, as the report box shows them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace engine::core {

struct ReportText {
  std::string title;
  std::string advice;
};

// Codes without a row of their own get the UNREGISTERED title and advice.
ReportText ReportFor(std::int32_t code);
// The whole text of the report box for code.
std::string ReportMessage(std::int32_t code);

// A notice through the program-wide engine object (Engine::Notice), for code that reports
// without holding the engine: the image and sound loaders' missing and unreadable files.
void ShowNotice(std::string_view text, std::string_view caption);

}  // namespace engine::core
