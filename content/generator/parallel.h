#pragma once

#include <QString>

#include <functional>

// Runs job(0) ... job(count - 1) on the global thread pool and waits. A job
// reports failure by returning false and filling its error; the first
// error is returned.
bool runParallel(int count, const std::function<bool(int index, QString* error)>& job, QString* error);
