#pragma once

#include <string>

// A private folder of our own under the temporary folder, for copies that
// must not be made inside a backup; removed with everything in it when the
// object goes.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    // The folder, or "" when it could not be made.
    const std::wstring &Path() const { return m_path; }

private:
    std::wstring m_path;
};
