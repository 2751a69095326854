#include "chatsearchpool.h"

#include "threadpool.h"

ThreadPool &chatSearchPool()
{
    static ThreadPool pool(1);
    return pool;
}
