#pragma once

#include <string>

// One engine event as a JSON line (without the newline):
// {"status":3,"kind":K,"value":V} or, for a record,
// {"status":4,"kind":BIT,"value":SUBTYPE,"record":{...}} with the record's
// fields under their own names.
std::string EventToJson(int status, int kind, int value, const void *record);

// The record's fields as a JSON object; "{}" for a kind without a writer.
std::string RecordToJson(int kind, int value, const void *record);
