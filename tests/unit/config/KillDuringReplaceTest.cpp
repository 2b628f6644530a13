// A writer of Games.CFG killed at random moments, a thousand times: after each kill, and the
// recovery the next read makes, the file holds the old or the new content whole, never a
// mix and never nothing. Both ways of replacing are played: the one-step move of Windows NT
// and the two moves of Windows 9x, which leave a gap between them.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "config/FileReplace.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/ScratchFolder.h"

namespace tgl::test {
namespace {

// Windows 9x has no replacing move; a rename never lands on an existing file (as here).
class TWindows9xFiles : public TPosixFileSystem {
public:
  bool CanReplaceInOneStep() const override { return false; }
  bool ReplaceInOneStep(const std::string&, const std::string&) override { return false; }
};

// Two contents of a size that takes a while to write, told apart by every byte.
std::string Content(char fill) {
  std::string text = "[%Settings]\r\n";
  while (text.size() < 256 * 1024) text += std::string("Key=") + std::string(60, fill) + "\r\n";
  return text;
}

class KillDuringReplaceTest : public ::testing::TestWithParam<bool> {
protected:
  TFileSystem& Files() { return GetParam() ? static_cast<TFileSystem&>(Windows9x) : Posix; }

  TPosixFileSystem Posix;
  TWindows9xFiles Windows9x;
};

TEST_P(KillDuringReplaceTest, AfterEveryKillTheFileIsTheOldOrTheNewContentWhole) {
  TScratchFolder folder;
  const std::string path = folder.Path() + "Games.CFG";
  const std::string contents[2] = {Content('a'), Content('b')};
  folder.Write("Games.CFG", contents[0]);
  std::mt19937 random(GetParam() ? 9 : 10);
  int killedAfterAWrite = 0;

  for (int kill = 0; kill < 500; ++kill) {
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
      for (int i = 1;; ++i) ReplaceFileContent(Files(), path, contents[i % 2]);
    }
    // Anywhere from before the first write to a few writes in.
    ::usleep(std::uniform_int_distribution<useconds_t>(0, 4000)(random));
    ::kill(writer, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(writer, &status, 0), writer);
    ASSERT_TRUE(WIFSIGNALED(status));

    RecoverInterruptedReplace(Files(), path);
    const std::string found = ReadBytes(path);
    ASSERT_TRUE(found == contents[0] || found == contents[1])
        << "kill " << kill << ": " << found.size() << " bytes";
    if (found == contents[1]) ++killedAfterAWrite;
    // The next round starts from the old content again.
    if (found != contents[0]) {
      ASSERT_TRUE(ReplaceFileContent(Files(), path, contents[0]));
    }
  }
  // The kills fell both before and after writes completed.
  EXPECT_GT(killedAfterAWrite, 0);
  EXPECT_LT(killedAfterAWrite, 500);
}

INSTANTIATE_TEST_SUITE_P(BothReplaces, KillDuringReplaceTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Windows9x" : "OneStep";
                         });

}  // namespace
}  // namespace tgl::test
