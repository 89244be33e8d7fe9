#include "app/list_file_keeper.h"

#include <utility>

#include "app/app_texts.h"
#include "table/hotkey_columns.h"
#include "table/list_file_writer.h"

namespace quintrel {
namespace {

std::string_view reasonText(SaveStatus status) {
  switch (status) {
    case SaveStatus::NotAFile:
      return texts::kReasonNotAFile;
    case SaveStatus::ReadOnly:
      return texts::kReasonReadOnly;
    case SaveStatus::CannotCreate:
      return texts::kReasonCannotCreate;
    case SaveStatus::WriteFailed:
      return texts::kReasonWriteFailed;
    case SaveStatus::CannotReplace:
      return texts::kReasonCannotReplace;
    case SaveStatus::NothingToWrite:
      return texts::kReasonNothingToWrite;
    case SaveStatus::Saved:
      break;
  }
  return {};
}

std::string composeFailure(std::string_view reason, const std::error_code& error) {
  std::string text(texts::kSaveFailedBefore);
  text += reason;
  // The system's own words (ASCII in the C locale) help whoever looks into the cause.
  if (error) text += " (" + error.message() + ")";
  text += texts::kSaveFailedAfter;
  text += "\n\n";
  text += texts::kCloseLosesEdits;
  return text;
}

}  // namespace

std::string saveFailureMessage(SaveStatus status, const std::error_code& error) {
  return composeFailure(reasonText(status), error);
}

ListFileKeeper::ListFileKeeper(std::filesystem::path path) : path_(std::move(path)) {}

void ListFileKeeper::load(ListView& table) {
  lastLoad_ = loadListFile(table, path_, kListSeparator);
}

bool ListFileKeeper::saveOnClose(const ListView& table, Dialogs& dialogs) {
  std::string message;
  if (lastLoad_.status == ListFileLoad::Status::Unreadable) {
    message = composeFailure(texts::kReasonUnreadableAtStart, lastLoad_.error);
  } else {
    const ListWriteResult result = writeListText(table, path_, kListHeader, kListSeparator, false);
    if (result.saved()) return true;
    message = saveFailureMessage(result.status, result.error);
  }
  return dialogs.ask(message, texts::kMessageTitle, texts::kCloseAnyway, texts::kGoBack);
}

}  // namespace quintrel
