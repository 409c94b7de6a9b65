#include "base/message.h"

std::string FormatText(std::string_view format, std::string_view argument)
{
    std::string result;
    result.reserve(format.size() + argument.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()
            && (format[i + 1] == 's' || format[i + 1] == 'd')) {
            result.append(format.substr(0, i));
            result.append(argument);
            result.append(format.substr(i + 2));
            return result;
        }
    }
    return std::string(format);
}

std::string FormatText(std::string_view format, long long argument)
{
    return FormatText(format, std::to_string(argument));
}
