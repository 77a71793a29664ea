#include <windows.h>

#include "toolkit/tk_services.h"

int TkCreateDirectory(std::string_view path)
{
    std::string_view cut = path.substr(0, MAX_PATH);
    while (!cut.empty() && (cut.back() == ' ' || cut.back() == '/' || cut.back() == '\\'))
        cut.remove_suffix(1);
    if (cut.empty())
        return 0;
    return CreateDirectoryA(std::string(cut).c_str(), nullptr) ? 1 : 0;
}
