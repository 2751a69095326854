#include "fuzzsupport.h"

#include <QCoreApplication>

namespace fuzzsupport
{
    void initQt(int *argc, char ***argv)
    {
        static QCoreApplication *application = nullptr;
        if (application)
            return;
        quietLogs();
        application = new QCoreApplication(*argc, *argv);
    }
}
