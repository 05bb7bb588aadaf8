#pragma once
// Which of the 55 status icons shows a task: one for each priority (1
// "Lowest" .. 5 "Critical") and progress (0 .. 10 tenths), the priorities in
// turn, each with its 11 progress steps. The same order holds in the icon
// library res.icl and in the task dialog's pictures.

namespace fennquill {

inline constexpr int kLowestPriority = 1;
inline constexpr int kHighestPriority = 5;
inline constexpr int kFullProgress = 10;
inline constexpr int kProgressSteps = kFullProgress + 1;
inline constexpr int kStatusIconCount = (kHighestPriority - kLowestPriority + 1) * kProgressSteps;
inline constexpr int kNormalAtNothingDone = 22;

// (priority - 1) * 11 + progress for priority 1..5 and progress 0..10.
constexpr int StatusIconIndex(int priority, int progress) {
    return (priority - kLowestPriority) * kProgressSteps + progress;
}
constexpr int StatusIconPriority(int index) { return index / kProgressSteps + kLowestPriority; }
constexpr int StatusIconProgress(int index) { return index % kProgressSteps; }

// The icon a marker shows: Normal at 0 % for a priority outside 1..5, and a
// progress outside 0..10 taken as the nearer end, so that no index falls
// outside the icons.
constexpr int MarkerIconIndex(int priority, int progress) {
    if (priority < kLowestPriority || priority > kHighestPriority) return kNormalAtNothingDone;
    return StatusIconIndex(priority, progress < 0 ? 0 : progress > kFullProgress ? kFullProgress : progress);
}

}  // namespace fennquill
