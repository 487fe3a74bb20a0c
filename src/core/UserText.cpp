// SPDX-License-Identifier: MIT
#include "core/UserText.h"

namespace snapwane {

std::string FillTemplate(const char* text, const std::vector<std::string>& arguments)
{
    std::string filled;
    for (const char* c = text; *c != '\0'; ++c) {
        const int number = c[0] == '%' && c[1] >= '1' && c[1] <= '9' ? c[1] - '0' : 0;
        if (number > 0 && std::size_t(number) <= arguments.size()) {
            filled += arguments[std::size_t(number) - 1];
            ++c;
        } else {
            filled += *c;
        }
    }
    return filled;
}

std::string UserText::English() const
{
    return FillTemplate(source, arguments);
}

} // namespace snapwane
