#include "options/RegistryWriteReport.h"

#include <algorithm>

#include "base/TextUtils.h"
#include "config/Log.h"
#include "options/StorageEncoding.h"

namespace tgl {
namespace {

// Long binary data is cut here: the message is read, not compared.
constexpr size_t MaxShownBytes = 16;

std::string HexBytes(const std::vector<uint8_t>& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  size_t shown = std::min(bytes.size(), MaxShownBytes);
  for (size_t i = 0; i < shown; ++i) {
    if (i) text += ' ';
    text += digits[bytes[i] >> 4];
    text += digits[bytes[i] & 15];
  }
  if (bytes.size() > shown) text += " ...";
  return text;
}

std::string TypeName(TRegDataType type) {
  switch (type) {
    case TRegDataType::rdNone:
      return "REG_NONE";
    case TRegDataType::rdString:
      return "REG_SZ";
    case TRegDataType::rdExpandString:
      return "REG_EXPAND_SZ";
    case TRegDataType::rdBinary:
      return "REG_BINARY";
    case TRegDataType::rdInteger:
      return "REG_DWORD";
    case TRegDataType::rdMultiString:
      return "REG_MULTI_SZ";
  }
  return "type " + std::to_string(static_cast<uint32_t>(type));
}

std::string DataText(const TRegistryData& data) {
  const std::vector<uint8_t>& bytes = data.Bytes;
  if (data.Type == TRegDataType::rdInteger && bytes.size() == 4)
    return std::to_string(IntegerOfBytes(std::span<const uint8_t, 4>(bytes.data(), 4)));
  if (data.Type == TRegDataType::rdString || data.Type == TRegDataType::rdExpandString) {
    auto end = std::find(bytes.begin(), bytes.end(), uint8_t(0));
    return QuotedText(std::string(bytes.begin(), end));
  }
  return bytes.empty() ? "(no data)" : HexBytes(bytes);
}

std::string Outcome(const TUnappliedValue& value) {
  if (value.NotWritten.empty()) return "wanted " + value.Wanted + ", found " + value.Found;
  return "wanted " + value.Wanted + ", not written (" + value.NotWritten + "); found " +
         value.Found;
}

}  // namespace

std::string DescribeRegistryData(const std::optional<TRegistryData>& data) {
  if (!data) return "no value";
  return TypeName(data->Type) + " " + DataText(*data);
}

std::string UnappliedValueLine(const TUnappliedValue& value) {
  return value.Caption + ": wanted " + value.Wanted + ", found " + value.Found;
}

std::string UnappliedValuesText(const TRegistryWriteReport& report, bool askToGoOn) {
  std::string text = "Some settings did not reach the driver registry:\r";
  size_t listed = std::min(report.Values.size(), MaxListedValues);
  for (size_t i = 0; i < listed; ++i) text += "\r" + UnappliedValueLine(report.Values[i]);
  if (report.Values.size() > listed)
    text += Format("\r... and %s more: see %s",
                   {std::to_string(report.Values.size() - listed), LogFileName});
  if (askToGoOn) text += "\r\rStart the game anyway?";
  return text;
}

void LogUnappliedValues(const TRegistryWriteReport& report) {
  for (const TUnappliedValue& value : report.Values) WriteLogAlways(UnappliedValueLogLine(value));
}

std::string UnappliedValueLogLine(const TUnappliedValue& value) {
  return "Setting not applied: " + value.Caption + ": " + value.Location + ": " + Outcome(value);
}

}  // namespace tgl
