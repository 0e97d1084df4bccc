// Benchmarks that measure in processes of their own: running this program
// (or another) and reading what it prints, and the figures of /proc/self/status.
#pragma once

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Runs Program with Args (this program when Program is empty), waits for it
// and returns what it printed.
inline std::string RunAndRead(std::string Program, const std::vector<std::string>& Args) {
  if (Program.empty()) Program = std::filesystem::canonical("/proc/self/exe").string();
  std::vector<char*> Argv = {const_cast<char*>(Program.c_str())};
  for (const auto& Arg : Args) Argv.push_back(const_cast<char*>(Arg.c_str()));
  Argv.push_back(nullptr);
  int Pipe[2];
  if (pipe(Pipe) != 0) return "";
  posix_spawn_file_actions_t Actions;
  posix_spawn_file_actions_init(&Actions);
  posix_spawn_file_actions_adddup2(&Actions, Pipe[1], 1);
  posix_spawn_file_actions_addclose(&Actions, Pipe[0]);
  pid_t Child = 0;
  const int Failed = posix_spawn(&Child, Program.c_str(), &Actions, nullptr, Argv.data(), environ);
  posix_spawn_file_actions_destroy(&Actions);
  close(Pipe[1]);
  std::string Output;
  char Buffer[256];
  ssize_t Got;
  while (!Failed && (Got = read(Pipe[0], Buffer, sizeof Buffer)) > 0) Output.append(Buffer, std::size_t(Got));
  close(Pipe[0]);
  int Status = 0;
  if (!Failed) waitpid(Child, &Status, 0);
  return Output;
}

// A size line of /proc/self/status ("VmRSS:", "VmHWM:"), in bytes.
inline std::size_t ProcessStatusBytes(const char* Key) {
  std::ifstream Status("/proc/self/status");
  std::string Line;
  const std::size_t Length = std::strlen(Key);
  while (std::getline(Status, Line))
    if (Line.compare(0, Length, Key) == 0) return std::strtoull(Line.c_str() + Length, nullptr, 10) * 1024;
  return 0;
}
