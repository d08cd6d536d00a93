// Where a value field's value begins: after the blanks that a paste brings.
#pragma once

#include <string_view>

namespace velmora::detail {

// Blanks in UTF-8: every character that Unicode counts as white space (the
// spaces, tabs and line breaks, CR and LF among them), and the zero-width
// space and byte order mark that a paste from a web page or a file brings.
inline constexpr std::string_view kBlanks[] = {
    "\t",     "\n",     "\v",     "\f",     "\r",     " ",      "\u0085", "\u00a0", "\u1680",
    "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006", "\u2007", "\u2008",
    "\u2009", "\u200a", "\u200b", "\u2028", "\u2029", "\u202f", "\u205f", "\u3000", "\ufeff",
};

// The size of the blank that `text` begins with, or 0.
inline std::size_t leadingBlank(std::string_view text) {
    for (std::string_view blank : kBlanks)
        if (text.starts_with(blank))
            return blank.size();
    return 0;
}

// Where the value begins: after every blank that `text` begins with.
inline std::size_t valueStart(std::string_view text) {
    std::size_t start = 0;
    while (const std::size_t blank = leadingBlank(text.substr(start)))
        start += blank;
    return start;
}

} // namespace velmora::detail
