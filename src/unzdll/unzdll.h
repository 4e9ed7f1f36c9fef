/*
 * unzdll.h: the C interface of the unzip module (unzdll.dll).
 *
 * The program loads the module at run time by path, looks up UnzDllExec and
 * GetUnzDllVersion, and hands UnzDllExec a parameter block. The module extracts
 * the named members of one archive into the process's current folder and talks
 * to the caller through a callback while it works.
 *
 * Every field has a fixed place, and addresses are native pointers, so on a
 * 32-bit build the structures are exactly 148, 72 and 540 bytes. Slots that
 * carry nothing are kept as reservedNN fields (NN: their offset in the 32-bit
 * layout) and must be 0; zero-fill a structure before setting its fields.
 *
 * Booleans are int32_t: UNZ_TRUE (-1) or UNZ_FALSE (0); any non-zero value
 * counts as true.
 */
#ifndef KESTROM_UNZDLL_H
#define KESTROM_UNZDLL_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The exports use the platform's standard convention for exported functions. */
#if defined(_WIN32) && !defined(_WIN64)
#define UNZDLL_CALL __stdcall
#else
#define UNZDLL_CALL
#endif

/* Where symbols are hidden by default, the two exports are marked visible;
   elsewhere the linker's export list of the module decides. */
#if defined(__GNUC__) && !defined(_WIN32)
#define UNZDLL_EXPORT __attribute__((visibility("default")))
#else
#define UNZDLL_EXPORT
#endif

#define UNZ_TRUE (-1)
#define UNZ_FALSE 0

/* The only parameter-block version this module accepts; also what GetUnzDllVersion returns. */
#define UNZ_VERSION 160

/* Size of the text field of a callback record, terminating zero included. */
#define UNZ_TEXT_SIZE 512

/* What the callback returns. */
#define UNZ_CONTINUE 0
#define UNZ_STOP (-1)

/* Names to look the exports up by. */
#define UNZ_EXEC_SYMBOL "UnzDllExec"
#define UNZ_VERSION_SYMBOL "GetUnzDllVersion"

/* Action codes of a callback record. */
enum {
    UNZ_ACTION_BEGIN_FILE = 1,  /* a file begins: text = member name, number = its size */
    UNZ_ACTION_PROGRESS = 2,    /* number = bytes written since the last report */
    UNZ_ACTION_END_BATCH = 3,   /* the last report of a batch */
    UNZ_ACTION_FILE_COUNT = 5,  /* number = files in the batch; before the first file */
    UNZ_ACTION_TOTAL_BYTES = 6, /* number = their total size; before the first file */
    UNZ_ACTION_PASSWORD = 8,    /* text = member name, number = tries left; answer: flag 1, password in text */
    UNZ_ACTION_CRC_ERROR = 9,   /* text = member name; the data failed its check or is not the declared size;
                                   flag answer 1 keeps the file anyway, never longer than declared */
    UNZ_ACTION_OVERWRITE = 10,  /* text = member name, flag bit 0 = existing file is older; number answer 1 overwrites */
    UNZ_ACTION_SKIPPED = 11     /* text = member name of a file that was not extracted, number = why
                                   (UNZ_SKIP_...), flag = the system's error number for UNZ_SKIP_WRITE */
};

/* Why a file was not extracted: the number of an action-11 record. */
enum {
    UNZ_SKIP_KEPT = 0,       /* a file of its name is there and was not to be replaced */
    UNZ_SKIP_NAME = 1,       /* its name leads out of the folder or does not fit the file system */
    UNZ_SKIP_DAMAGED = 2,    /* the archive is not a readable zip file, or its members' data overlap */
    UNZ_SKIP_BAD_DATA = 3,   /* its data fail their check or do not inflate to the declared size */
    UNZ_SKIP_METHOD = 4,     /* compressed by a method the module cannot inflate */
    UNZ_SKIP_ENCRYPTED = 5,  /* encrypted by an unknown method, or no password given fits */
    UNZ_SKIP_WRITE = 6,      /* its file could not be written (flag: the error number; ENOSPC is a full disk) */
    UNZ_SKIP_OUTSIDE = 7,    /* its data lie (in part) outside the archive file */
    UNZ_SKIP_TOO_LARGE = 8   /* it declares more than the largest image the program takes (64 MiB) */
};

/* Bits of UnzParams.reports: which reports the caller wants. Questions (8, 9,
   10) and skips (11) are always sent. */
#define UNZ_REPORT_FILES 1    /* action 1 */
#define UNZ_REPORT_PROGRESS 2 /* action 2 */
#define UNZ_REPORT_BATCH 4    /* actions 5, 6 and 3 */
#define UNZ_REPORT_ALL 7

/* One record per callback, filled by the module. Fields marked "answer" are
   read back after the callback returns. */
typedef struct UnzCallbackInfo {
    int32_t reserved0;
    void* caller;              /* the caller value of the parameter block, handed back */
    int32_t reserved8;
    int32_t reserved12;
    int32_t action;            /* UNZ_ACTION_... */
    int32_t flag;              /* in: action 10 bit 0 = existing file older; answer for 8 and 9: 1 = yes */
    int32_t number;            /* in: size, byte count, file count or tries left; answer for 8 (tries left) and 10 (1 = overwrite) */
    char text[UNZ_TEXT_SIZE];  /* zero-terminated member name; for action 8 the caller writes the password here */
} UnzCallbackInfo;

/* Returns UNZ_STOP to end the extraction at once, UNZ_CONTINUE to go on. */
typedef int32_t(UNZDLL_CALL* UnzCallback)(UnzCallbackInfo* info);

/* One member to extract. */
typedef struct UnzMember {
    const char* name;      /* zero-terminated member name as the program lists it: UTF-8, decoded by
                              the rule of archive/member_name.h; "/" and "\" both separate folders */
    int32_t reserved4[17];
} UnzMember;

/* The parameter block. Of the overwrite rules, the first that is true wins:
   update, freshen, overwrite_all, else the callback is asked (action 10). */
typedef struct UnzParams {
    int32_t reserved0;
    void* caller;              /* any value; handed back in every callback record */
    int32_t version;           /* UNZ_VERSION */
    UnzCallback callback;      /* may be null: no reports, and every question gets its safe answer */
    int32_t reserved16;
    int32_t reserved20;
    const char* password;      /* tried first on encrypted members; null or empty for none */
    int32_t overwrite_all;     /* bool: replace existing files without asking */
    int32_t reserved32;
    int32_t reserved36;
    int32_t use_folder_names;  /* bool: recreate the member's folders; false writes every file into the current folder */
    int32_t reserved44;
    int32_t update;            /* bool: extract new files, replace existing ones only when older, never ask */
    int32_t freshen;           /* bool: only replace existing files that are older; create none */
    int32_t ignore_case;       /* bool: match requested names to member names without regard to ASCII case */
    int32_t ask_overwrite;     /* bool: ask the callback (action 10) before replacing an existing file */
    int32_t member_count;      /* entries in members */
    const char* archive_path;  /* zero-terminated path of the archive */
    const UnzMember* members;  /* the members to extract, member_count items */
    int32_t reserved76[7];
    int32_t password_tries;    /* how often action 8 may be asked per member; 0 counts as 1 */
    int32_t reserved108[9];
    int32_t reports;           /* UNZ_REPORT_... bits */
} UnzParams;

/* Extracts the members named in the block from the archive into the current
   folder, each under the name it was asked for, with its folders. Names that
   would leave that folder, members larger than 64 MiB and members that fail
   are refused (action 11, with the reason); a member that is not extracted
   leaves neither a file nor a folder behind. An archive that cannot be read,
   or whose members' data overlap, is refused whole: each member asked for is
   reported as skipped. Returns the number of files extracted; 0 for a block
   it refuses, without calling back. */
UNZDLL_EXPORT int32_t UNZDLL_CALL UnzDllExec(UnzParams* params);

/* The parameter-block version this module speaks (UNZ_VERSION). */
UNZDLL_EXPORT int32_t UNZDLL_CALL GetUnzDllVersion(void);

typedef int32_t(UNZDLL_CALL* UnzDllExecFn)(UnzParams* params);
typedef int32_t(UNZDLL_CALL* GetUnzDllVersionFn)(void);

/* The layout is shared by separately built binaries, so a change to it must
   not go unnoticed. With 4-byte pointers it is the 32-bit layout. */
#ifdef __cplusplus
#define UNZ_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define UNZ_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

UNZ_STATIC_ASSERT(sizeof(int32_t) == 4, "32-bit fields");
UNZ_STATIC_ASSERT(UNZ_TEXT_SIZE == 512, "text size of a callback record");

#if UINTPTR_MAX == 0xFFFFFFFFu
UNZ_STATIC_ASSERT(sizeof(UnzParams) == 148, "parameter block size");
UNZ_STATIC_ASSERT(offsetof(UnzParams, caller) == 4, "caller");
UNZ_STATIC_ASSERT(offsetof(UnzParams, callback) == 12, "callback");
UNZ_STATIC_ASSERT(offsetof(UnzParams, password) == 24, "password");
UNZ_STATIC_ASSERT(offsetof(UnzParams, overwrite_all) == 28, "overwrite_all");
UNZ_STATIC_ASSERT(offsetof(UnzParams, use_folder_names) == 40, "use_folder_names");
UNZ_STATIC_ASSERT(offsetof(UnzParams, update) == 48, "update");
UNZ_STATIC_ASSERT(offsetof(UnzParams, ask_overwrite) == 60, "ask_overwrite");
UNZ_STATIC_ASSERT(offsetof(UnzParams, member_count) == 64, "member_count");
UNZ_STATIC_ASSERT(offsetof(UnzParams, members) == 72, "members");
UNZ_STATIC_ASSERT(offsetof(UnzParams, password_tries) == 104, "password_tries");
UNZ_STATIC_ASSERT(offsetof(UnzParams, reports) == 144, "reports");
UNZ_STATIC_ASSERT(sizeof(UnzMember) == 72, "member item size");
UNZ_STATIC_ASSERT(offsetof(UnzCallbackInfo, action) == 16, "action");
UNZ_STATIC_ASSERT(offsetof(UnzCallbackInfo, text) == 28, "text");
UNZ_STATIC_ASSERT(sizeof(UnzCallbackInfo) == 540, "callback record size");
#elif UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
UNZ_STATIC_ASSERT(sizeof(void*) == 8 && sizeof(UnzCallback) == 8, "8-byte addresses");
UNZ_STATIC_ASSERT(sizeof(UnzParams) == 176, "parameter block size");
UNZ_STATIC_ASSERT(offsetof(UnzParams, caller) == 8, "caller");
UNZ_STATIC_ASSERT(offsetof(UnzParams, callback) == 24, "callback");
UNZ_STATIC_ASSERT(offsetof(UnzParams, password) == 40, "password");
UNZ_STATIC_ASSERT(offsetof(UnzParams, overwrite_all) == 48, "overwrite_all");
UNZ_STATIC_ASSERT(offsetof(UnzParams, use_folder_names) == 60, "use_folder_names");
UNZ_STATIC_ASSERT(offsetof(UnzParams, update) == 68, "update");
UNZ_STATIC_ASSERT(offsetof(UnzParams, ask_overwrite) == 80, "ask_overwrite");
UNZ_STATIC_ASSERT(offsetof(UnzParams, member_count) == 84, "member_count");
UNZ_STATIC_ASSERT(offsetof(UnzParams, members) == 96, "members");
UNZ_STATIC_ASSERT(offsetof(UnzParams, password_tries) == 132, "password_tries");
UNZ_STATIC_ASSERT(offsetof(UnzParams, reports) == 172, "reports");
UNZ_STATIC_ASSERT(sizeof(UnzMember) == 80, "member item size");
UNZ_STATIC_ASSERT(offsetof(UnzCallbackInfo, action) == 24, "action");
UNZ_STATIC_ASSERT(offsetof(UnzCallbackInfo, text) == 36, "text");
UNZ_STATIC_ASSERT(sizeof(UnzCallbackInfo) == 552, "callback record size");
#endif

#ifdef __cplusplus
}
#endif

#endif /* KESTROM_UNZDLL_H */
