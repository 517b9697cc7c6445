#include "core/failure_report.h"

#include <gtest/gtest.h>

#include "core/runtime_failure.h"

namespace lwviz {
namespace {

TEST(FailureReport, NamesTheNumberAndTheDescription) {
    EXPECT_EQ(failureReportText(RuntimeFailure::typeMismatch()),
              "Run-time error '13':\n\nType mismatch");
}

}  // namespace
}  // namespace lwviz
