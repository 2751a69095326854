#include "scratchfolder.h"

#include "engineutil.h"

#include <stdlib.h>

#include <filesystem>

ScratchFolder::ScratchFolder()
{
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "vardex-scratch-XXXXXX").string();
    if (!ec && mkdtemp(pattern.data()))
        m_path = Utf8ToWide(pattern);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ec;
    if (!m_path.empty())
        std::filesystem::remove_all(std::filesystem::path(WideToUtf8(m_path)), ec);
}
