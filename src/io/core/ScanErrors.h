#pragma once
// What the scanner tells the user when an acquisition fails: the first error
// of the acquisition with the result and condition codes taken from SANE's
// status, and the message box text made of their descriptions.
#include <string>

namespace quillo {

inline constexpr const char* kScanErrorTitle = "SANE Error";

// Error codes of the scanner session (index into the error descriptions).
enum ScanErrorCode {
  seNone = 0,
  seCapabilityGet = 2,
  seCapabilitySet = 3,
  seManager = 4,
  seSource = 5,
  seNotOpen = 7,
};

// Result codes.
enum ScanResult { srSuccess = 0, srFailure = 1, srCancel = 3, srTransferDone = 6 };

// Condition codes.
enum ScanCondition {
  scSuccess = 0,
  scBummer = 1,
  scLowMemory = 2,
  scNoSource = 3,
  scMaxConnections = 4,
  scOperationError = 5,
  scBadCapability = 6,
  scBadProtocol = 9,
  scBadValue = 10,
  scSequenceError = 11,
};

struct ScanError {
  int code = seNone;
  int result = srSuccess;
  int condition = scSuccess;
};

// The result and condition codes a SANE status stands for (SANE_Status).
struct ScanCodes {
  int result;
  int condition;
};
ScanCodes CodesOfSaneStatus(int status);

// Descriptions by code; a code beyond the tables reads "N (undefined)".
std::string ErrorCodeText(int code);
std::string ResultCodeText(int code);
std::string ConditionCodeText(int code);

// The message box text: the message and the error's description, and for
// the codes that carry them the result and condition descriptions.
std::string ScanErrorReport(const std::string& message, const ScanError& error);

}  // namespace quillo
