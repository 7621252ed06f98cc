#pragma once
// Whole-file reading and writing for the asset tools; failures raise EAssetError naming the file.

#include <cstdint>
#include <string>
#include <vector>

std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
