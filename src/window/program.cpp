#include "program.h"

#include "form1.h"
#include "messageboxreporter.h"
#include "runtime.h"

#include <QApplication>

namespace freqcounter {

int runProgram()
{
    Runtime runtime(std::make_unique<MessageBoxReporter>());
    Form1 form(runtime);
    if (!form.load())
        return Runtime::kFailureExitStatus;
    form.show();
    const int status = QApplication::exec();
    return runtime.hasFailed() ? Runtime::kFailureExitStatus : status;
}

} // namespace freqcounter
