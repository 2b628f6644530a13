#include "support/TestSupport.h"

#include <unistd.h>

#include <cstdlib>

#include "config/BackupRotation.h"

namespace tgl::test {

TCoreTest::TCoreTest() : Scope(PlatformWith(FileSystem)) {
  char* current = ::getcwd(nullptr, 0);
  PreviousWorkingDirectory = current ? current : "/";
  std::free(current);
  if (::chdir(Folder.Path().c_str()) != 0) throw std::runtime_error("cannot enter scratch folder");
  Startup() = TStartupState{};
  GamesBackup().reset();
  Startup().ProgramDir = Folder.Path();
}

TCoreTest::~TCoreTest() {
  Startup() = TStartupState{};
  GamesBackup().reset();
  if (::chdir(PreviousWorkingDirectory.c_str()) != 0) std::abort();
}

TAnswer TRecordedMessages::Ask(const std::string& text, TQuestionButtons buttons,
                               TMessageKind kind) {
  Shown.push_back({text, kind});
  QuestionButtons.push_back(buttons);
  if (Answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << text;
    return TAnswer::anCancel;
  }
  TAnswer answer = Answers.front();
  Answers.pop_front();
  return answer;
}

std::optional<std::string> TRecordedFileChooser::Answer(const TFileChoice& choice, bool save) {
  Asked.push_back({choice, save});
  if (Answers.empty()) {
    ADD_FAILURE() << "unexpected file dialog: " << choice.Title;
    return std::nullopt;
  }
  std::optional<std::string> answer = Answers.front();
  Answers.pop_front();
  return answer;
}

namespace {

class TCountedIcon : public TFileIcon {
public:
  TCountedIcon(int index, int& alive) : Index(index), Alive(alive) { ++Alive; }
  ~TCountedIcon() override { --Alive; }
  int IconIndex() const override { return Index; }

private:
  int Index;
  int& Alive;
};

}  // namespace

TRecordedShell::~TRecordedShell() {
  EXPECT_EQ(IconsAlive, 0) << "icons handed out and never freed";
}

std::unique_ptr<TFileIcon> TRecordedShell::LargeFileIcon(const std::string& path) {
  LargeIconRequests.push_back(path);
  if (!GivesIcons) return nullptr;
  return std::make_unique<TCountedIcon>(LargeIconIndex, IconsAlive);
}

std::vector<std::string> TRecordedMessages::TakeTexts() {
  std::vector<std::string> texts;
  for (const TShownMessage& message : Shown) texts.push_back(message.Text);
  Shown.clear();
  QuestionButtons.clear();
  return texts;
}

std::string ResourceFileBytes(const std::string& fileName) {
  return ReadBytes(std::string(TGL_SOURCE_DIR) + "/resources/" + fileName);
}

}  // namespace tgl::test
