#pragma once
// A small JSON writer for the command-line tool's output: objects, arrays, strings, numbers, booleans, null.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quintaro::cli {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(std::int64_t number);
    JsonWriter& value(int number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(std::uint64_t number);
    JsonWriter& value(bool flag);
    JsonWriter& null();

    const std::string& str() const { return out_; }

private:
    void separate();
    std::string out_;
    std::vector<bool> first_;  // per open container: no element written yet
    bool afterKey_ = false;
};

}  // namespace quintaro::cli
