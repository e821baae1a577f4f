// vornctl profile: the profile library of one model, on the user's device data folder.

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/StandardCatalogue.h"
#include "cli/Cli.h"
#include "cli/CliWords.h"
#include "cli/TextTable.h"
#include "platform/paths/Paths.h"
#include "platform/text/Text.h"
#include "profiles/ProfileLibrary.h"
#include "storage/DataFile.h"
#include "storage/FileNames.h"

namespace vorn::cli {
namespace {

using profiles::ProfileLibrary;
using profiles::ProfileOutcome;

constexpr char kUsage[] =
    "Usage: vornctl profile SUBCOMMAND --model MODEL [ARGS]\n"
    "\n"
    "Subcommands (each acts on the profiles of MODEL in the user's data folder):\n"
    "  list                      every profile; '*' marks the selected one\n"
    "  select PROFILE            select a profile by name or by its number in the list\n"
    "  new                       add a profile with the factory settings\n"
    "  copy                      add a copy of the selected profile\n"
    "  rename NAME               rename the selected profile\n"
    "  delete                    delete the selected profile and select the one before it\n"
    "  export FILE               write the selected profile to FILE\n"
    "  import FILE               add the profile in FILE and select it\n"
    "  reset                     give the selected profile the factory settings\n"
    "\n"
    "copy, rename, delete, export and reset take --profile PROFILE to select first.\n";

struct ProfileArgs {
    std::string subcommand;
    std::string model;
    std::optional<std::string> profile;
    std::vector<std::string> positional;
};

// Splits the arguments; nullopt (after a message) when they cannot be understood.
std::optional<ProfileArgs> parseArgs(const CliContext& ctx) {
    ProfileArgs args;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        std::string a = ctx.args[i];
        const bool isOption = a.size() > 2 && a.rfind("--", 0) == 0 && a != "--help";
        if (!isOption) {
            (args.subcommand.empty() ? args.subcommand : args.positional.emplace_back()) = a;
            continue;
        }
        std::string value;
        if (const std::size_t eq = a.find('='); eq != std::string::npos) {
            value = a.substr(eq + 1);
            a.resize(eq);
        } else if (i + 1 < ctx.args.size()) {
            value = ctx.args[++i];
        } else {
            ctx.err << "vornctl profile: " << a << " needs a value\n";
            return std::nullopt;
        }
        if (a == "--model") {
            args.model = value;
        } else if (a == "--profile") {
            args.profile = value;
        } else {
            ctx.err << "vornctl profile: unknown option " << a << "\n" << kUsage;
            return std::nullopt;
        }
    }
    return args;
}

const catalogue::DeviceOptionRow* findModel(std::string_view name) {
    for (const catalogue::DeviceOptionRow& row : catalogue::kDeviceCatalogue.options) {
        if (platform::equalsIgnoreCase(row.displayName, name)) {
            return &row;
        }
    }
    return nullptr;
}

void printModels(std::ostream& err) {
    err << "known models:";
    for (const catalogue::DeviceOptionRow& row : catalogue::kDeviceCatalogue.options) {
        err << " \"" << row.displayName << "\"";
    }
    err << "\n";
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// The profile a user names: a name (ignoring case) first, else its number in the list.
int findProfile(const ProfileLibrary& library, const std::string& which) {
    const std::vector<std::string>& names = library.GetProfileNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (platform::equalsIgnoreCase(names[i], which)) {
            return static_cast<int>(i);
        }
    }
    if (!which.empty() && which.find_first_not_of("0123456789") == std::string::npos &&
        which.size() < 6) {
        const int index = std::stoi(which);
        return index < library.GetProfileCount() ? index : -1;
    }
    return -1;
}

bool selectNamed(ProfileLibrary& library, const std::string& which, CliContext& ctx) {
    const int index = findProfile(library, which);
    if (index < 0 || !library.SelectProfile(index)) {
        ctx.err << "vornctl profile: no profile " << quoted(which)
                << " (see vornctl profile list)\n";
        return false;
    }
    return true;
}

std::string selectedName(const ProfileLibrary& library) {
    const int index = library.GetSelectedIndex();
    return index < 0 ? std::string() : library.GetProfileNames()[static_cast<std::size_t>(index)];
}

// A refusal with a message key shows the skin's text of the key (why when it has none).
int refuse(CliContext& ctx, const std::string& subcommand, const std::string& why,
           std::string_view messageKey = {}) {
    ctx.err << "vornctl profile " << subcommand
            << ": refused: " << (messageKey.empty() ? why : messageText(messageKey, why)) << "\n";
    return 1;
}

// A file of the profiles that could not be read or written: the operation failed and
// nothing was changed. False when the last operation met no such problem.
bool reportStorageProblem(const ProfileLibrary& library, CliContext& ctx,
                          const std::string& subcommand) {
    if (library.LastProblem().empty()) {
        return false;
    }
    ctx.err << "vornctl profile " << subcommand << ": failed: " << library.LastProblem() << "\n";
    return true;
}

constexpr char kControlCharacterRefusal[] =
    "a profile name cannot hold control characters such as a line break or a tab";

void printList(const ProfileLibrary& library, std::ostream& out) {
    out << "Profiles of " << library.GetDeviceDataFolder() << " (" << library.GetProfileCount()
        << " of " << profiles::kMaxProfiles << ")\n";
    TextTable table({"", "#", "Name", "Identifier"});
    const std::vector<std::string>& names = library.GetProfileNames();
    const Json::Value& list = library.ListDocument()["profilelist"];
    for (std::size_t i = 0; i < names.size(); ++i) {
        const Json::Value& entry = list.isArray() && i < list.size()
                                       ? list[static_cast<Json::ArrayIndex>(i)]
                                       : Json::Value::nullSingleton();
        const Json::Value& id = entry.isObject() ? entry["profileUUID"] : entry;
        table.addRow({static_cast<int>(i) == library.GetSelectedIndex() ? "*" : "",
                      std::to_string(i), quoted(names[i]), id.isString() ? id.asString() : ""});
    }
    table.print(out);
}

int runSubcommand(ProfileLibrary& library, const ProfileArgs& args, CliContext& ctx) {
    const std::string& sub = args.subcommand;
    const std::size_t wanted =
        sub == "select" || sub == "rename" || sub == "export" || sub == "import" ? 1 : 0;
    if (args.positional.size() != wanted) {
        ctx.err << "vornctl profile " << sub << ": takes " << wanted << " argument"
                << (wanted == 1 ? "" : "s") << "\n"
                << kUsage;
        return 2;
    }
    if (args.profile && !selectNamed(library, *args.profile, ctx)) {
        return 1;
    }
    const std::string argument = wanted == 1 ? args.positional[0] : std::string();

    if (sub == "list") {
        printList(library, ctx.out);
        if (!library.ListReadable()) {
            ctx.err << "vornctl profile list: the profile list could not be read; shown are the "
                       "profiles found in the folder\n";
            return 1;
        }
        return 0;
    }
    if (sub == "select") {
        if (!selectNamed(library, argument, ctx) || reportStorageProblem(library, ctx, sub)) {
            return 1;
        }
        ctx.out << "selected profile " << quoted(selectedName(library)) << "\n";
        return 0;
    }
    if (sub == "new" || sub == "copy") {
        const ProfileOutcome made = sub == "new" ? library.NewProfile() : library.CopyProfile();
        if (reportStorageProblem(library, ctx, sub)) {
            return 1;
        }
        if (!made.done) {
            return refuse(
                ctx, sub,
                platform::formatText("a model holds at most %d profiles", profiles::kMaxProfiles),
                profiles::kMessageTooManyProfiles);
        }
        ctx.out << "created profile " << quoted(made.name) << " (" << made.id << ")\n";
        return 0;
    }
    if (sub == "rename") {
        const std::string before = selectedName(library);
        const int result = library.RenameProfile(argument);
        if (result == profiles::kRenameNameInvalid) {
            return refuse(ctx, sub, kControlCharacterRefusal);
        }
        if (result == profiles::kRenameNotStored) {
            reportStorageProblem(library, ctx, sub);
            return 1;
        }
        if (result == profiles::kRenameNameBlank) {
            return refuse(ctx, sub, "a profile name cannot be blank",
                          profiles::RenameMessageKey(result));
        }
        if (result == profiles::kRenameNameUsed) {
            return refuse(ctx, sub,
                          "another profile is already named " + quoted(argument) +
                              " (names are compared without regard to case)",
                          profiles::RenameMessageKey(result));
        }
        ctx.out << "renamed profile " << quoted(before) << " to " << quoted(argument) << "\n";
        return 0;
    }
    if (sub == "delete") {
        const ProfileOutcome removed = library.DeleteProfile();
        if (reportStorageProblem(library, ctx, sub)) {
            return 1;
        }
        if (!removed.done) {
            return refuse(ctx, sub,
                          library.GetProfileCount() <= 1 ? "the last profile cannot be deleted"
                                                         : "the profile list could not be written");
        }
        ctx.out << "deleted profile " << quoted(removed.name) << "; selected "
                << quoted(selectedName(library)) << "\n";
        return 0;
    }
    if (sub == "export") {
        if (!library.ExportProfile(argument)) {
            if (reportStorageProblem(library, ctx, sub)) {
                return 1;
            }
            return refuse(
                ctx, sub,
                "the file of profile " + quoted(selectedName(library)) + " holds no settings");
        }
        ctx.out << "exported profile " << quoted(selectedName(library)) << " to " << argument
                << "\n";
        return 0;
    }
    if (sub == "import") {
        if (!ProfileLibrary::IsImportable(storage::ReadJsonFile(argument))) {
            return refuse(
                ctx, sub,
                argument + " is no profile file (it needs \"profilename\" and \"profileUUID\")");
        }
        if (platform::hasControlCharacter(storage::FileBaseName(argument))) {
            return refuse(
                ctx, sub,
                std::string("the profile takes the file's name, and ") + kControlCharacterRefusal);
        }
        const ProfileOutcome added = library.ImportProfile(argument);
        if (reportStorageProblem(library, ctx, sub)) {
            return 1;
        }
        if (!added.done) {
            return refuse(
                ctx, sub,
                platform::formatText("a model holds at most %d profiles", profiles::kMaxProfiles));
        }
        library.SelectProfile(library.GetProfileCount() - 1);
        if (reportStorageProblem(library, ctx, sub)) {
            return 1;
        }
        ctx.out << "imported profile " << quoted(added.name) << " (" << added.id
                << ") and selected it\n";
        return 0;
    }
    if (sub == "reset") {
        if (!library.ResetProfile()) {
            if (reportStorageProblem(library, ctx, sub)) {
                return 1;
            }
            return refuse(ctx, sub, "no profile is selected");
        }
        ctx.out << "profile " << quoted(selectedName(library)) << " has the factory settings\n";
        return 0;
    }
    ctx.err << "vornctl profile: unknown subcommand " << quoted(sub) << "\n" << kUsage;
    return 2;
}

}  // namespace

int runProfileCommand(CliContext& ctx) {
    const std::optional<ProfileArgs> args = parseArgs(ctx);
    if (!args) {
        return 2;
    }
    if (args->subcommand.empty() || args->subcommand == "--help" || args->subcommand == "help") {
        (args->subcommand.empty() ? ctx.err : ctx.out) << kUsage;
        return args->subcommand.empty() ? 2 : 0;
    }
    if (args->model.empty()) {
        ctx.err << "vornctl profile " << args->subcommand << ": --model MODEL is required\n";
        printModels(ctx.err);
        return 2;
    }
    const catalogue::DeviceOptionRow* model = findModel(args->model);
    if (model == nullptr) {
        ctx.err << "vornctl profile: unknown model " << quoted(args->model) << "\n";
        printModels(ctx.err);
        return 2;
    }
    const std::string name(model->displayName);
    const std::string defaultProfile = platform::defaultDataFolder() + name + ".Json";
    if (storage::ReadJsonFile(defaultProfile).isNull()) {
        ctx.err << "vornctl profile: note: no factory profile at " << defaultProfile
                << "; profiles made now start without settings\n";
    }
    ProfileLibrary library;
    library.SetDeviceType(model->deviceType);
    library.SetFolders(platform::deviceDataFolder(name), defaultProfile);
    library.InitList();
    if (!library.LastProblem().empty()) {
        ctx.err << "vornctl profile: " << library.LastProblem() << "\n";
    }
    return runSubcommand(library, *args, ctx);
}

}  // namespace vorn::cli
