#pragma once
// An output stream that passes its text on line by line with control bytes and bytes that
// are not UTF-8 escaped, so that a file name or a file's content in a message can neither
// clear nor retitle the terminal. Line ends and tabs pass unchanged.
#include <ostream>
#include <streambuf>
#include <string>

namespace lumo::cli {

class PrintableStreamBuf : public std::streambuf {
 public:
  explicit PrintableStreamBuf(std::ostream& target) : target_(target) {}
  ~PrintableStreamBuf() override { sync(); }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  void put(char c);
  void passLine();

  std::ostream& target_;
  std::string line_;
};

class PrintableStream : public std::ostream {
 public:
  explicit PrintableStream(std::ostream& target) : std::ostream(nullptr), buffer_(target) {
    rdbuf(&buffer_);
  }

 private:
  PrintableStreamBuf buffer_;
};

}  // namespace lumo::cli
