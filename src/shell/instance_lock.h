// Whether another Chess Talvor is already running for this user: the first
// instance holds a lock on a file in the runtime folder until it ends (the
// system releases it even when the program crashes).
#pragma once

#include <QString>

class InstanceLock {
 public:
  explicit InstanceLock(const QString& path);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // True when another instance holds the lock (or it could not be taken).
  bool SecondInstance() const { return fd_ < 0; }

 private:
  int fd_ = -1;
};
