#pragma once
// A model's device data folder and default profile for the profile library tests.

#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "ProfileTestSupport.h"
#include "profiles/ProfileLibrary.h"

namespace vorn::test {

// 7 March 2024, 09:05:01.042 local time, in milliseconds since the epoch.
inline std::int64_t fixedTime() {
    std::tm t = makeLocalTime(2024, 3, 7, 9, 5, 1);
    t.tm_isdst = -1;
    return static_cast<std::int64_t>(mktime(&t)) * 1000 + 42;
}

struct LibraryFiles {
    TempHome home;
    std::filesystem::path folder = home.root() / "data" / "VORN  8K Gaming Mouse" / "VORN-T4";
    std::filesystem::path defaults = home.root() / "DefaultData" / "VORN-T4.Json";
    Json::Value factory = parseJson(R"({"profilename": "Factory", "profileUUID": "factory",
        "Device": [{"KeyList": [{"Assignment": 1, "DefaultAssignment": 1}],
                    "CustomEQNameInfo": [{"Name": "Factory EQ"}]}]})");

    LibraryFiles() { writeJson(defaults, factory); }

    profiles::ProfileLibrary open(catalogue::DeviceType type = catalogue::DeviceType::Mouse) {
        profiles::ProfileLibrary library;
        library.SetDeviceType(type);
        library.SetFolders(folder.string(), defaults.string());
        library.InitList();
        return library;
    }

    std::filesystem::path listFile() const { return folder / "ProfileList.ini"; }
    std::filesystem::path profileFile(const std::string& id) const {
        return folder / (id + ".Json");
    }

    // A list with the given names (ids "id0", "id1", ...), each with its file.
    void writeList(const std::vector<std::string>& names, int select) {
        Json::Value list;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::string id = "id" + std::to_string(i);
            list["profilelist"][static_cast<int>(i)]["profilename"] = names[i];
            list["profilelist"][static_cast<int>(i)]["profileUUID"] = id;
            list["profilelist"][static_cast<int>(i)]["profileislink"] = 0;
            list["profilelist"][static_cast<int>(i)]["profilelinkmame"] = "";
            Json::Value profile = factory;
            profile["profilename"] = names[i];
            profile["profileUUID"] = id;
            writeJson(profileFile(id), profile);
        }
        list["profileselect"] = select;
        writeJson(listFile(), list);
    }
};

// Every file of folder (the lock file aside) with its bytes; files over 1 MiB by size.
inline std::map<std::string, std::string> folderBytes(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const std::string& name : fileNamesIn(folder)) {
        const std::filesystem::path path = folder / name;
        const auto size = std::filesystem::file_size(path);
        files[name] = size > (1u << 20) ? "size " + std::to_string(size) : readBytes(path);
    }
    return files;
}

}  // namespace vorn::test
