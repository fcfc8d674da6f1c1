#include "ScanErrors.h"

#include <array>

namespace quillo {

namespace {

constexpr std::array<const char*, 14> kErrorTexts = {
    "[no details available]",
    "",
    "DAT_CAPABILITY/MSG_GET failed",
    "DAT_CAPABILITY/MSG_SET failed",
    "Source Manager operation failed",
    "DataSource operation failed",
    "",
    "SANE session not in State 4 (Source Open)",
    "MSG_GET returned a NULL container handle",
    "MSG_GET returned an invalid container handle",
    "Returned container is not valid type",
    "Returned container has invalid ItemType",
    "Returned container is empty",
    "App and source found NO values in common",
};

constexpr std::array<const char*, 8> kResultTexts = {
    "TWRC_SUCCESS",  "TWRC_FAILURE",   "TWRC_CHECKSTATUS ('tried hard')",
    "TWRC_CANCEL",   "TWRC_DSEVENT",   "TWRC_NOTDSEVENT",
    "TWRC_XFERDONE", "TWRC_ENDOFLIST",
};

constexpr std::array<const char*, 13> kConditionTexts = {
    "TWCC_SUCCESS",
    "TWCC_BUMMER (Failure due to unknown causes)",
    "TWCC_LOWMEMORY",
    "TWCC_NODS (No Data Source)",
    "TWCC_MAXCONNECTIONS (DS is connected to max possible apps)",
    "TWCC_OPERATIONERROR (DS or DSM reported error, app shouldn't)",
    "TWCC_BADCAP (Unknown capability)",
    "7 (undefined)",
    "8 (undefined)",
    "TWCC_BADPROTOCOL (Unrecognized triplet)",
    "TWCC_BADVALUE (Data parameter out of range)",
    "TWCC_SEQERROR (Triplet out of sequence)",
    "TWCC_BADDEST (Unknown dest. App/Src in DSM_Entry)",
};

// SANE's status codes, fixed by its standard.
enum SaneStatus {
  kGood = 0,
  kUnsupported,
  kCancelled,
  kDeviceBusy,
  kInval,
  kEof,
  kJammed,
  kNoDocs,
  kCoverOpen,
  kIoError,
  kNoMem,
  kAccessDenied,
};

template <std::size_t N>
std::string Lookup(const std::array<const char*, N>& table, int code) {
  if (code >= 0 && static_cast<std::size_t>(code) < N) return table[code];
  return std::to_string(code) + " (undefined)";
}

}  // namespace

ScanCodes CodesOfSaneStatus(int status) {
  switch (status) {
    case kGood:
      return {srSuccess, scSuccess};
    case kCancelled:
      return {srCancel, scSuccess};
    case kEof:
      return {srTransferDone, scSuccess};
    case kUnsupported:
      return {srFailure, scBadProtocol};
    case kDeviceBusy:
      return {srFailure, scMaxConnections};
    case kInval:
      return {srFailure, scBadValue};
    case kNoMem:
      return {srFailure, scLowMemory};
    case kJammed:
    case kNoDocs:
    case kCoverOpen:
    case kIoError:
      return {srFailure, scOperationError};
    default:
      return {srFailure, scBummer};
  }
}

std::string ErrorCodeText(int code) {
  return Lookup(kErrorTexts, code);
}
std::string ResultCodeText(int code) {
  return Lookup(kResultTexts, code);
}
std::string ConditionCodeText(int code) {
  return Lookup(kConditionTexts, code);
}

std::string ScanErrorReport(const std::string& message, const ScanError& error) {
  std::string text = message + "\n" + ErrorCodeText(error.code);
  if (error.code >= seCapabilityGet && error.code <= seSource)
    text +=
        "\nRC:   " + ResultCodeText(error.result) + "\nCC:   " + ConditionCodeText(error.condition);
  return text;
}

}  // namespace quillo
