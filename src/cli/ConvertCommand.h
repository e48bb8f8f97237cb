#pragma once

#include <QString>
#include <optional>

class EncodingSelection;
struct ConvertRequest;
struct EncodingRequest;

// Applies the profile and the values asked for, each checked against the definition file's lists
// and ranges as the window offers them; the refusal, listing the known values, when one is not
// there. The selection must be loaded.
std::optional<QString> ApplyEncoding(EncodingSelection &selection, const EncodingRequest &request);

int RunConvert(const ConvertRequest &request);
