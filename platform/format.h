// The printf-format check attribute. MinGW's compiler would check "printf"
// against the Microsoft runtime's conversions; our programs print through the
// GNU-compatible printf, so the check follows that one there.
#ifndef QX_PLATFORM_FORMAT_H
#define QX_PLATFORM_FORMAT_H

#if defined(__MINGW32__)
#define QX_PRINTF_FORMAT(format_index, first_arg) __attribute__((format(gnu_printf, format_index, first_arg)))
#else
#define QX_PRINTF_FORMAT(format_index, first_arg) __attribute__((format(printf, format_index, first_arg)))
#endif

#endif  // QX_PLATFORM_FORMAT_H
