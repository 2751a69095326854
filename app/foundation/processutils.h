#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstddef>

class QWidget;

// Process, power and system helpers. Every query and every ending of a
// process is limited to the current user's processes, and none of them ever
// ends this program itself. Names of programs ignore a ".exe" suffix.

// Nothing to do here: there is no debug privilege to enable.
void enableDebugPrivilege();

// Asks the login manager (system bus) not to sleep or idle while the program
// runs; the inhibitor is held until the process ends. Without a bus or on an
// error nothing happens.
void keepSystemAwake();

// Ends, with their descendants, the current user's processes running the
// program that imageName starts here (in the application folder, else on
// PATH). A process is matched by its executable file, never by its name.
void killProcessByName(const QString &imageName);

// Ends the program at once with the code, without destructors.
[[noreturn]] void terminateCurrentProcess(int exitCode);

// Returns freed heap memory to the system when the prefix names this program.
void trimProcessWorkingSet(const QString &imageNamePrefix);

bool is64BitWindows();

void moveToCenter(QWidget *widget, int width, int height);

// Waits the milliseconds, measured on a monotonic clock: spinning when
// busyWait is set, else in an event loop, so the caller's own slots and
// timers run meanwhile.
void delayMs(int milliseconds, bool busyWait = false);

// Zeroed read-write pages; std::bad_alloc when there are none.
void *virtualAllocOrThrow(std::size_t size);
bool virtualRelease(void *pointer);

// Queries over the current user's processes; an id of 0 or -1 is "none".
qint64 processIdByNamePrefix(const QString &prefix);
// A process of the current user as a process descriptor (pidfd: it stays
// bound to that one process even when its id is reused; close it with
// close()), 0 when there is none or it belongs to another user. A descriptor
// is never inherited by programs started later. There is no debug privilege
// here: the "AsDebugger" forms are the same.
qintptr openProcessAsDebugger(qint64 pid);
// The first process whose program name starts with the prefix.
qintptr openProcessByNamePrefix(const QString &prefix);
qintptr openProcessByNamePrefixAsDebugger(const QString &prefix);
qint64 processWorkingSetMegabytes(qint64 pid);
QString processImagePath(qint64 pid);
QString processOwnerName(qint64 pid);
qint64 parentProcessId(qint64 pid);
bool isProcessRunning(const QString &imageName);
bool killProcessById(qint64 pid);
// Starts the command (split like a shell would, but never run by one) detached.
bool runHidden(const QString &commandLine);
// Adds the ids of the processes holding a TCP socket on the local port.
bool tcpOwnersOfLocalPort(quint16 port, QList<qint64> &pids);
QStringList serialPortNames();
quint64 availableVirtualMemory();
quint64 totalVirtualMemory();

// The X11 top-level window whose _NET_WM_PID is the id (the window
// manager's client list first, then the root's children); 0 without an X
// display or without such a window.
quintptr windowOfProcess(qint64 pid);

bool isValidHandle(qintptr handle);
