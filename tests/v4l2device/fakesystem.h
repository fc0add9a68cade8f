/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The userspace device's entry points for the interposed C library functions: the device nodes,
 * their open files, the device folder's listing and the wait for frames. Plain C types only. */
#ifndef FAKESYSTEM_H
#define FAKESYSTEM_H

#include <dirent.h>
#include <poll.h>
#include <stddef.h>
#include <sys/stat.h>
#include <sys/types.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int (*fv_poll_function)(struct pollfd *, nfds_t, int);

/* Whether a path is a video node the device answers for (one it plays, or a real one it hides). */
int fv_claims_path(const char *path);
/* Opens a claimed node: a file descriptor, or -1 with errno set. */
int fv_open(const char *path, int flags);
/* Whether a file descriptor is an open device node (no lock taken). */
int fv_is_device_fd(int fd);
/* Forgets an open node; the caller closes the descriptor itself. */
void fv_release(int fd);
/* V4L2 ioctl on an open node: 0, or -1 with errno set. */
int fv_ioctl(int fd, unsigned long request, void *arg);
/* A buffer mapping: the address, or MAP_FAILED with errno set. */
void *fv_mmap(void *address, size_t length, int protection, int flags, int fd, off_t offset);
/* poll() over a set that holds device nodes; the real poll waits on the others. */
int fv_poll(struct pollfd *fds, nfds_t count, int timeoutMs, fv_poll_function realPoll);
int fv_holds_device_fd(const struct pollfd *fds, nfds_t count);

/* The device folder: its listing gains the played nodes and loses hidden real ones. */
int fv_is_device_folder(const char *path);
void fv_folder_opened(DIR *dir);
void fv_folder_closed(DIR *dir);
int fv_folder_hides(DIR *dir, const char *name);
struct dirent *fv_folder_next(DIR *dir);
/* stat() of a claimed node: 0, or -1 with errno set. */
int fv_stat_node(const char *path, struct stat *st);
/* After a successful stat of the device folder: its change time includes the nodes' coming and going. */
void fv_stat_folder(const char *path, struct stat *st);

#ifdef __cplusplus
}
#endif

#endif
