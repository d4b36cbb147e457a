// tarvolin-batch's exit statuses.
#pragma once

enum class ExitStatus : int {
    // Every source file done and no transform group rejected.
    Success = 0,
    // A source file failed or a group was rejected; the run still went on.
    Failure = 1,
    // A usage error, an unreadable transformation file, no source files or no destination: nothing done.
    Usage = 2,
    // Ctrl-C.
    Cancelled = 130,
};
