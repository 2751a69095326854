#pragma once

#include <string>
#include <vector>

// Starts a console program with an argument vector (no shell), stdin from
// /dev/null, its stdout and stderr captured together, and waits for it.
class CProcessRunner
{
public:
    // False when the program could not be started. Without wait the program
    // runs on alone: its output goes to /dev/null, the exit code stays -1,
    // and it is no child of ours, so no zombie is left when it ends.
    bool Run(const std::vector<std::string> &arguments, bool wait = true);

    int ExitCode() const { return m_exitCode; }
    const std::string &Output() const { return m_output; }

private:
    std::string m_output;
    int m_exitCode = -1;
};
