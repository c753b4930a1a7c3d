# Shared by the bench scripts that measure Vantor beside Audacious: sourced,
# not run. Installs what the run needs, waits for windows, and switches
# Audacious to its classic skinned interface with SDL output.

# install_missing PACKAGE...
install_missing() {
    local need=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || need+=("$pkg")
    done
    if [ ${#need[@]} -gt 0 ]; then
        local sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}"
    fi
}

# start_display :N — an X server for the run, and SDL's null audio. Xvfb
# resets by default whenever its last client leaves; a player started in
# that moment cannot connect and aborts, so it must not.
start_display() {
    Xvfb "$1" -screen 0 1280x1024x24 -noreset >/dev/null 2>&1 &
    sleep 1
    export DISPLAY=$1 SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
}

# xdotool's own --sync polls only every half second, too coarse for start-up.
wait_mapped() {
    local deadline=$((SECONDS + 20))
    until xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || { echo "no window named $1 appeared" >&2; exit 1; }
        sleep 0.005
    done
}

# Audacious's plugin registry exists only after a first start; there its
# classic skinned interface and SDL output take the place of GTK and ALSA.
use_classic_audacious() {
    local registry="$XDG_CONFIG_HOME/audacious/plugin-registry"
    awk '
        /^[a-z]+ \// { plugin = $2 }
        /^enabled / {
            if (plugin ~ /\/(gtkui|alsa)\.so$/) $0 = "enabled 0"
            if (plugin ~ /\/(skins|sdlout)\.so$/) $0 = "enabled 1"
        }
        { print }' "$registry" >"$registry.new"
    mv "$registry.new" "$registry"
}
