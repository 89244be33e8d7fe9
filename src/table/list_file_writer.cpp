#include "table/list_file_writer.h"

#include "text/compare.h"
#include "text/cp936.h"
#include "text/split.h"

namespace quintrel {
namespace {

constexpr std::string_view kHeaderSeparator = "|";
constexpr std::string_view kLineEnd = "\r\n";

// Produces the list text in chunks of about kChunk bytes, handing each to sink, so that a big
// table is written without holding all of its text at once.
template <class Sink>
void produceListText(const ListView& view, const std::vector<int>& columnMap,
                     std::string_view separator, std::string_view headerLine,
                     const ListWriteProgress& progress, Sink&& sink) {
  constexpr std::size_t kChunk = 256 * 1024;
  std::string chunk;
  chunk.reserve(kChunk + 4096);
  if (!headerLine.empty()) {
    chunk.append(headerLine);
    chunk.append(kLineEnd);
  }
  const int rows = view.GetCount();
  for (int row = 0; row < rows; ++row) {
    for (const int column : columnMap) {
      chunk.append(view.GetCaption(row, column));
      chunk.append(separator);
    }
    if (progress) progress(rows, row + 1);
    chunk.append(kLineEnd);
    if (chunk.size() >= kChunk) {
      if (!sink(std::string_view(chunk))) return;
      chunk.clear();
    }
  }
  if (!chunk.empty()) sink(std::string_view(chunk));
}

}  // namespace

std::string mapHeaderColumns(const ListView& view, std::string_view header,
                             std::string_view separator, std::vector<int>& columnMap) {
  const int columns = view.GetColCount();
  const std::vector<std::string_view> fields = splitText(header, kHeaderSeparator);
  columnMap.assign(fields.size(), 0);
  std::size_t next = 0;
  for (const std::string_view field : fields) {
    const std::string_view wanted = trimBlanks(field);
    for (int column = 0; column < columns && next < columnMap.size(); ++column) {
      const std::string caption = view.GetColCaption(column);
      if (equalIgnoringCase(trimBlanks(caption), wanted)) columnMap[next++] = column;
    }
  }
  std::string headerLine;
  headerLine.reserve(header.size());
  for (std::size_t pos = 0; pos < header.size();) {
    const std::size_t length = charLengthAt(header, pos);
    if (length == 1 && header[pos] == kHeaderSeparator[0]) {
      headerLine.append(separator);
    } else {
      headerLine.append(header.substr(pos, length));
    }
    pos += length;
  }
  return headerLine;
}

std::string listText(const ListView& view, const std::vector<int>& columnMap,
                     std::string_view separator, std::string_view headerLine,
                     const ListWriteProgress& progress) {
  std::string text;
  produceListText(view, columnMap, separator, headerLine, progress, [&](std::string_view chunk) {
    text.append(chunk);
    return true;
  });
  return text;
}

ListWriteResult writeListText(const ListView& view, const std::filesystem::path& path,
                              std::string_view header, std::string_view separator,
                              bool withHeaderLine, const ListWriteProgress& progress) {
  ListWriteResult result;
  std::vector<int> columnMap;
  const std::string headerLine = mapHeaderColumns(view, header, separator, columnMap);
  if (columnMap.empty()) {
    result.status = SaveStatus::NothingToWrite;
    return result;
  }
  AtomicFileWriter writer(path);
  result.status = writer.open();
  if (result.status == SaveStatus::Saved) {
    produceListText(view, columnMap, separator, withHeaderLine ? headerLine : std::string_view(),
                    progress, [&](std::string_view chunk) { return writer.write(chunk); });
    result.status = writer.commit();
  }
  result.error = writer.error();
  if (result.saved()) result.fieldCount = static_cast<int>(columnMap.size());
  return result;
}

}  // namespace quintrel
