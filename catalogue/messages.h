// The texts of the catalogue's message boxes.
#pragma once

namespace orvane {

inline constexpr const char* read_error_title = "File I/O Error";
inline constexpr const char* read_error_text = "Error reading product data file.";

// Two carriage returns and no line feeds between the sentences, as the box has always shown it.
inline constexpr const char* browser_error_title = "Error!";
inline constexpr const char* browser_error_text =
    "Error Launching Your Default Browser!\r\rPlease make sure you have a DEFAULT browser selected and try again.";

}  // namespace orvane
