#pragma once
// Runs a scenario file: a small script that drives the windows through the scripted
// desktop as a user would and checks what they show and write.

#include <string>
#include <vector>

namespace scenario {

struct Step {
    int line = 0;
    std::string verb;
    std::vector<std::string> args;  // unquoted and unescaped
};

// A failed expectation. Not a std::exception, so that no window handler swallows it.
struct Failure {
    int line;
    std::string message;
};

// Splits a script into steps; throws Failure on a malformed line.
std::vector<Step> Parse(const std::string& text);

// Turns the escapes \r \n \t \\ \" \xHH of a quoted text into bytes.
std::string Unescape(const std::string& text, int line);

// Shows bytes with the same escapes, for failure messages.
std::string Escape(const std::string& bytes);

// Runs the steps in a fresh state, store and desktop, with files under workDir.
// Returns the number of checks that passed; throws Failure on the first that fails.
int Run(const std::vector<Step>& steps, const std::string& workDir);

}  // namespace scenario
