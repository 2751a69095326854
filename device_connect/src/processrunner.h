#pragma once

#include <string>
#include <vector>

// Starts a console program with an argument vector (no shell), stdin from
// /dev/null, its stdout and stderr captured together, and waits for it.
class CProcessRunner
{
public:
    // False when the program could not be started.
    bool Run(const std::vector<std::string> &arguments);

    int ExitCode() const { return m_exitCode; }
    const std::string &Output() const { return m_output; }

private:
    std::string m_output;
    int m_exitCode = -1;
};
