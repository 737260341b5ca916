#pragma once
// The material tables the benchmarks read: the reference tables beside the project where
// they are (ALPHASTOP_SHARED overrides the build's path), else generated valid tables in a
// temporary folder, which the output then says.

#include <filesystem>
#include <memory>
#include <string>

namespace alphastop::bench {

struct BenchTables {
  std::filesystem::path folder;  // the working folder: holds as/ and asc/
  std::string element;           // a file of as/, by name ("Gold.as")
  std::string otherElement;      // a second one, so that repeated loads alternate
  bool generated = false;
  std::shared_ptr<void> keepAlive;  // the temporary folder of generated tables

  std::string ElementPath() const { return "as/" + element; }
  std::string Origin() const;  // one line for the output
};

BenchTables FindBenchTables();

}  // namespace alphastop::bench
