/* The shell library Fennquill: the folder marker, as the main program calls it.
 *
 * A marked folder holds a desktop.ini whose section ".ShellCLassInfo" names
 * the status icon of its task (icon IconIndex of IconFile) and the task
 * (TaskId), and the folder carries the system attribute so that the file
 * manager reads it.
 *
 * Encoding: every string is zero-terminated UTF-8. A null pointer is taken as
 * an empty string.
 * Ownership: strings belong to the caller; the library copies what it needs
 * and keeps no pointer after a call returns.
 * Errors: no C++ exception ever leaves the library. A call that fails says so
 * in its result, and GetLastMarkerError gives the message of the last failure
 * on the calling thread ("Unable to write to ...", "'...' is not a valid
 * integer value", ...).
 * Threads: the calls keep no shared state and may run on any thread.
 */
#ifndef FENNQUILL_H
#define FENNQUILL_H

#if defined(_WIN32)
#define FENNQUILL_API
#else
#define FENNQUILL_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Marks folder (given without a trailing separator) with the status icon of
 * priority (1..5) and progress (0..10) and records taskId. The icon file is
 * programDir (ending with a separator) followed by "res.icl". A priority
 * outside 1..5 shows Normal at 0 %; a progress outside 0..10 counts as the
 * nearer end. A path that is not an existing folder is left alone.
 * Returns 0 when done (or left alone), non-zero when desktop.ini could not be
 * written; keys written before the failure stay. */
FENNQUILL_API int SetFolderIcon(const char* folder, const char* taskId, const char* programDir, int priority,
                                int progress);

/* Removes the marker from folder: the keys SetFolderIcon writes, then
 * desktop.ini itself and the folder's attributes when nothing of the user's
 * own is left in it. Reports nothing; a missing folder or file is passed over. */
FENNQUILL_API void ClearFolder(const char* folder);

/* Makes the file manager rebuild its icons by changing the user's shell icon
 * size by one and back, telling every window each time.
 * Returns 1 when the whole cycle ran, 0 when the setting is missing or empty
 * (nothing changed), -1 when it failed with an error. */
FENNQUILL_API int RefreshScreenIcons(void);

/* Copies the message of the calling thread's last failure into buffer (at
 * most capacity bytes, the terminating zero included) and returns its full
 * length without the zero. Empty when nothing failed yet. */
FENNQUILL_API int GetLastMarkerError(char* buffer, int capacity);

#ifdef __cplusplus
}
#endif

#endif /* FENNQUILL_H */
