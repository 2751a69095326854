#include "fuzzsupport.h"

#include "scanrecorder.h"

namespace fuzzsupport
{
    size_t scan(const std::string &backup, int32_t categoryMask)
    {
        static const std::string out = freshFolder("out");
        const std::vector<std::string> lines = testsupport::scanEvents({backup, out, categoryMask});
        return testsupport::recordLines(lines, categoryMask).size();
    }
}
