#include "lang/failure_reason.h"

#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::lang {

namespace {

struct Reason {
    std::errc error;
    int message;
};

constexpr Reason kReasons[] = {
    {std::errc::no_space_on_device, message::kReasonDiskFull},
    {std::errc::permission_denied, message::kReasonWriteProtected},
    {std::errc::operation_not_permitted, message::kReasonWriteProtected},
    {std::errc::read_only_file_system, message::kReasonWriteProtected},
    {std::errc::invalid_argument, message::kReasonNotAFile},
    {std::errc::is_a_directory, message::kReasonNotAFile},
    {std::errc::no_such_file_or_directory, message::kReasonNoFolder},
    {std::errc::not_a_directory, message::kReasonNoFolder},
    {std::errc::file_too_large, message::kReasonTooLarge},
    {std::errc::too_many_symbolic_link_levels, message::kReasonLinkLoop},
    {std::errc::filename_too_long, message::kReasonNameTooLong},
};

}  // namespace

std::string FailureReason(const std::error_code& error) {
    for (const Reason& reason : kReasons) {
        if (error == reason.error) return LoadText(reason.message);
    }
    return FormatText(LoadText(message::kReasonSystem), {error.message()});
}

std::string CannotWriteMessage(const std::string& name, const std::error_code& error) {
    return FormatText(LoadText(message::kCannotWriteFile), {name}) + '\n' + FailureReason(error);
}

}  // namespace circumvia::lang
