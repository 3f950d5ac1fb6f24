#include "cli/describe/describe_job.h"

#include <unistd.h>

#include "cli/message_text.h"
#include "describe/plan_description.h"
#include "posix/descriptor_writer.h"
#include "posix/system_reason.h"

namespace vorrith {

int RunDescribeJob(int imageNumber) {
    const int error = WriteAll(STDOUT_FILENO, DescribeScenePlan(imageNumber));
    return error == 0 ? 0 : FailWith("cannot print the description: " + SystemReason(error));
}

}  // namespace vorrith
