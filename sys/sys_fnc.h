// Operating-system odds and ends: time stamps and debug output.
#pragma once

namespace sys
{

// Seconds since boot from the monotonic clock, or from the source set below.
double get_time_stamp();

// Tests replace the clock so that time-outs are checked without sleeping.
// Passing nullptr restores the system clock.
using TimeStampSource = double (*)();
void set_time_stamp_source(TimeStampSource src);

void print_debug_msg(const char *txt_0);

// Opens a web address in the user's browser (xdg-open), detached from the
// host; returns at once, 0 when the opener started. Tests replace the opener.
int open_url(const char *url_0);
using UrlOpener = int (*)(const char *url_0);
// Passing nullptr restores the browser.
void set_url_opener(UrlOpener opener);

// Formats the error code into buf_ptr (at most buf_len bytes, terminated) and prints it.
void print_system_error(char *buf_ptr, long buf_len, long err);

}  // namespace sys
