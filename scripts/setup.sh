# Sourced by run.sh and test.sh: installs the Debian packages the build needs when they
# are missing. Nothing else is fetched.

VORN_PACKAGES=(
    cmake g++ make pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libjsoncpp-dev libudev-dev libpugixml-dev libsystemd-dev
    qt6-base-dev qt6-svg-dev fonts-wqy-microhei fonts-dejavu-core fonts-tlwg-loma-ttf
    dbus dbus-bin libglib2.0-bin
)

vorn_install_dependencies() {
    local missing=()
    local p
    for p in "${VORN_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [[ ${#missing[@]} -eq 0 ]]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}" >&2
    local sudo=""
    if [[ $(id -u) -ne 0 ]]; then
        sudo="sudo"
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq >&2
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}
