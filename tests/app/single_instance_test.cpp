#include "app/single_instance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <fstream>
#include <thread>

#include "support/temp_dir.h"

namespace meridex {
namespace {

using namespace std::chrono_literals;
using Start = SingleInstance::Start;

class SingleInstanceTest : public ::testing::Test {
 protected:
  // Starts the program a second time, in another thread (a second process
  // blocks the same way), while this thread goes on handling events as the
  // running program does.
  Start secondStart(const std::filesystem::path& folder, std::chrono::milliseconds patience = 10s) {
    std::atomic<int> result{-1};
    std::thread second([&] {
      SingleInstance later(folder, runtime.path());
      result = static_cast<int>(later.claim(patience));
    });
    while (result.load() < 0) QTest::qWait(10);
    second.join();
    return static_cast<Start>(result.load());
  }

  test::TempDir data;
  QTemporaryDir runtime;
};

TEST_F(SingleInstanceTest, ASecondStartForTheSameFolderHandsOverToTheFirst) {
  SingleInstance first(data.path(), runtime.path());
  ASSERT_EQ(first.claim(), Start::First);
  QSignalSpy activations(&first, &SingleInstance::activationRequested);

  EXPECT_EQ(secondStart(data.path()), Start::HandedOver);
  EXPECT_EQ(activations.count(), 1);
  EXPECT_EQ(secondStart(data.path() / "." / ""), Start::HandedOver) << "the same folder";
  EXPECT_EQ(activations.count(), 2);
}

TEST_F(SingleInstanceTest, StartsForOtherFoldersRunSideBySide) {
  test::TempDir other;
  SingleInstance first(data.path(), runtime.path());
  ASSERT_EQ(first.claim(), Start::First);
  SingleInstance second(other.path(), runtime.path());
  EXPECT_EQ(second.claim(), Start::First);
  EXPECT_NE(first.serverName(), second.serverName());
}

TEST_F(SingleInstanceTest, WhenTheFirstEndsTheNextStartRunsTheProgram) {
  {
    SingleInstance first(data.path(), runtime.path());
    ASSERT_EQ(first.claim(), Start::First);
  }
  SingleInstance next(data.path(), runtime.path());
  EXPECT_EQ(next.claim(), Start::First);
}

// What a program that crashed leaves behind: its lock file naming a process
// that is gone, and a socket file nobody listens on.
TEST_F(SingleInstanceTest, TheLockAndSocketOfACrashedProgramAreTakenOver) {
  SingleInstance probe(data.path(), runtime.path());
  const std::string socketPath = probe.serverName().toStdString();

  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ASSERT_GT(gone, 0);
  ::waitpid(gone, nullptr, 0);
  char host[256] = {};
  ::gethostname(host, sizeof host - 1);
  std::ofstream(socketPath + ".lock") << gone << "\nmeridex\n" << host << "\n";

  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  ASSERT_TRUE(std::filesystem::exists(socketPath));

  ASSERT_EQ(probe.claim(1s), Start::First);
  QSignalSpy activations(&probe, &SingleInstance::activationRequested);
  EXPECT_EQ(secondStart(data.path()), Start::HandedOver);
  EXPECT_EQ(activations.count(), 1);
}

TEST_F(SingleInstanceTest, AHolderThatNeverAnswersIsReportedOnceThePatienceIsUsedUp) {
  SingleInstance probe(data.path(), runtime.path());
  // A live process (this one) holds the lock but listens on no socket.
  QLockFile held(probe.serverName() + ".lock");
  ASSERT_TRUE(held.tryLock(0));
  EXPECT_EQ(probe.claim(300ms), Start::NoAnswer);
}

}  // namespace
}  // namespace meridex
