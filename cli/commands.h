#pragma once
// The verbs of vela-ctl. Each returns the process exit code: 0 success,
// 1 failure of the link, 2 bad usage.
namespace vela::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

int run_frame(int argc, char** argv);
int run_search(int argc, char** argv);
int run_send(int argc, char** argv);
int run_lock(int argc, char** argv);

}  // namespace vela::cli
