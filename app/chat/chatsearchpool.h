#pragma once

class ThreadPool;

// The one worker thread the message searches and the message pane's keyword
// filter run on, made on first use and kept to the end of the process. One
// thread: tasks run one after another, in the order they were handed in.
ThreadPool &chatSearchPool();
