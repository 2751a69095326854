#pragma once

class RealtimekilliTunesSessionManager;

// The program's one iTunes-session killer, made (paused) on first use; the
// main window resumes it after start-up and the quit stops it.
RealtimekilliTunesSessionManager *iTunesSessionKiller();
