#include "FontRecords.h"

#include <utility>

namespace tolvex::art {

namespace {

// One texture row: its top edge and its characters (code, width); cell j starts at x = 2 + 13 j.
struct RecordRow {
    int y;
    std::vector<std::pair<int, int>> glyphs;
};

std::vector<GlyphRecord> buildRecords() {
    const RecordRow rows[] = {
        {2, {{'!', 5}, {'#', 10}, {'$', 10}, {'%', 10}, {'&', 11}, {'\'', 3}, {'(', 5}, {')', 5}, {'*', 10}, {'+', 7},
             {',', 3}, {'-', 7}, {'.', 3}, {'/', 5}, {'0', 10}, {'1', 5}, {'2', 10}, {'3', 10}, {'4', 10}}},
        {18, {{'5', 10}, {'6', 10}, {'7', 8}, {'8', 10}, {'9', 10}, {':', 3}, {';', 3}, {'<', 7}, {'=', 8}, {'>', 7},
              {'?', 10}, {'@', 10}, {'A', 10}, {'B', 10}, {'C', 10}, {'D', 10}, {'E', 10}, {'F', 10}, {'G', 10}}},
        {34, {{'H', 10}, {'I', 3}, {'J', 8}, {'K', 10}, {'L', 8}, {'M', 13}, {'N', 10}, {'O', 10}, {'P', 10}, {'Q', 10},
              {'R', 10}, {'S', 10}, {'T', 10}, {'U', 10}, {'V', 10}, {'W', 13}, {'X', 10}, {'Y', 10}, {'Z', 10}}},
        {50, {{'[', 5}, {']', 5}, {'_', 11}, {'a', 10}, {'b', 10}, {'c', 10}, {'d', 10}, {'e', 10}, {'f', 10}, {'g', 10},
              {'h', 10}, {'i', 3}, {'j', 8}, {'k', 10}, {'l', 8}, {'m', 13}, {'n', 10}, {'o', 10}, {'p', 10}}},
        {66, {{'q', 10}, {'r', 10}, {'s', 10}, {'t', 10}, {'u', 10}, {'v', 10}, {'w', 13}, {'x', 10}, {'y', 10}, {'z', 10},
              {'{', 7}, {'|', 7}, {'}', 7}, {'~', 8}, {167, 7}, {169, 10}, {174, 10}, {220, 10}, {196, 10}}},
        {82, {{214, 10}, {252, 10}, {228, 10}, {246, 10}, {223, 10}}},
    };
    std::vector<GlyphRecord> out;
    for (const RecordRow& row : rows) {
        int x = 2;
        for (const auto& [code, width] : row.glyphs) {
            out.push_back({code, x, row.y, width});
            x += 13;
        }
    }
    return out;
}

}  // namespace

const std::vector<GlyphRecord>& fontRecords() {
    static const std::vector<GlyphRecord> records = buildRecords();
    return records;
}

}  // namespace tolvex::art
