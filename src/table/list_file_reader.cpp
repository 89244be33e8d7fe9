#include "table/list_file_reader.h"

#include <algorithm>
#include <fstream>
#include <string>

#include "table/file_errors.h"
#include "table/list_file_lines.h"
#include "text/numbers.h"
#include "text/split.h"

namespace quintrel {
namespace {

// Resumes redrawing on every way out, as the rows must become visible together in any case.
class RedrawPause {
 public:
  explicit RedrawPause(ListView& view) : view_(view) { view_.SetRedraw(false); }
  RedrawPause(const RedrawPause&) = delete;
  RedrawPause& operator=(const RedrawPause&) = delete;
  ~RedrawPause() { view_.SetRedraw(true); }

 private:
  ListView& view_;
};

// Turns lines into rows at the end of the view.
class RowAppender {
 public:
  RowAppender(ListView& view, std::string_view separator, ListFileLoad& load)
      : view_(view), columns_(view.GetColCount()), separator_(separator), load_(load) {}

  void add(std::string_view line) {
    const int row = view_.Insert(ListView::kAtEnd, intToText(view_.GetCount() + 1));
    int column = 0;
    forEachPiece(line, separator_, [&](std::string_view field) {
      if (column < columns_) view_.SetCaption(row, column, field);
      ++column;
    });
    ++load_.rowsAdded;
  }

  // Takes back every row added so far.
  void undo() {
    for (; load_.rowsAdded > 0; --load_.rowsAdded) view_.Remove(view_.GetCount() - 1);
  }

 private:
  ListView& view_;
  const int columns_;
  const std::string_view separator_;
  ListFileLoad& load_;
};

ListFileLoad unreadable(std::error_code error) {
  ListFileLoad load;
  load.status = ListFileLoad::Status::Unreadable;
  load.error = error;
  return load;
}

}  // namespace

ListFileLoad loadListText(ListView& view, std::string_view bytes, std::string_view separator) {
  ListFileLoad load;
  RedrawPause pause(view);
  RowAppender rows(view, separator, load);
  const std::string_view text = listFileText(bytes);
  load.stoppedAtEndMarker = text.size() < bytes.size();
  ListFileLines lines(text);
  for (std::string_view line; lines.next(line);) rows.add(line);
  return load;
}

ListFileLoad loadListFile(ListView& view, const std::filesystem::path& path,
                          std::string_view separator) {
  RedrawPause pause(view);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    if (error) return unreadable(error);
    ListFileLoad load;
    load.status = ListFileLoad::Status::Missing;
    return load;
  }
  if (std::filesystem::is_directory(path, error)) {
    return unreadable(std::make_error_code(std::errc::is_a_directory));
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return unreadable(lastSystemError(std::errc::permission_denied));

  // The file goes through a buffer piece by piece; a line cut by the end of a piece is carried
  // over and read again with the next piece. The piece grows with the carried line, so a single
  // huge line is still read in linear time.
  constexpr std::size_t kPiece = 256 * 1024;
  ListFileLoad load;
  RowAppender rows(view, separator, load);
  std::string buffer;
  bool atEnd = false;
  while (!atEnd) {
    const std::size_t carried = buffer.size();
    const std::size_t wanted = std::max(kPiece, carried);
    buffer.resize(carried + wanted);
    errno = 0;
    in.read(buffer.data() + carried, static_cast<std::streamsize>(wanted));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (in.bad()) {
      // Half a table would be saved back over the whole file on close: add nothing instead.
      rows.undo();
      return unreadable(lastSystemError(std::errc::io_error));
    }
    atEnd = got < wanted;
    const std::string_view fresh(buffer.data() + carried, got);
    const std::string_view text = listFileText(fresh);
    if (text.size() < fresh.size()) {
      load.stoppedAtEndMarker = true;
      atEnd = true;
    }
    buffer.resize(carried + text.size());

    ListFileLines lines(buffer);
    std::string_view line;
    while (atEnd ? lines.next(line) : lines.nextComplete(line)) rows.add(line);
    buffer.erase(0, buffer.size() - lines.rest().size());
  }
  return load;
}

}  // namespace quintrel
