#!/usr/bin/env bash
# Checks an installed NorvoUITOKA as a user of it would find it:
#   bash scripts/check-install.sh PREFIX [BUILD_DIR_FOR_EXAMPLES]
# Only public headers, under include/NorvoUITOKA/, each compiling on its own;
# the libraries with their SONAME; the CMake package and its version file; a
# pkg-config file that builds and runs a small core program; the catalogues
# of translations with the Qt libraries; the Qt Designer plugin, loaded and
# asked for each of its widgets; the API reference, when it was installed;
# then every example under examples/ configured, built and run against the
# install (a headless one with Qt disabled, the QML one with the install's QML
# modules).
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=$(realpath "$1")
work=$(realpath -m "${2:-build-examples}")
rm -rf "$work"
mkdir -p "$work"
fail() {
    echo "check-install: $*" >&2
    exit 1
}

[ -d "$prefix/include/NorvoUITOKA" ] || fail "no include/NorvoUITOKA in $prefix"
stray=$(find "$prefix/include" -mindepth 1 -maxdepth 1 ! -name NorvoUITOKA)
[ -z "$stray" ] || fail "installed outside include/NorvoUITOKA: $stray"
private=$(find "$prefix/include" -name '*Private.h' -o -name '*_p.h')
[ -z "$private" ] || fail "private headers installed: $private"
qt_cflags=""
if [ -d "$prefix/include/NorvoUITOKA/qt/quick" ]; then
    qt_cflags=$(pkg-config --cflags Qt6Widgets Qt6Quick)
elif [ -d "$prefix/include/NorvoUITOKA/qt" ]; then
    qt_cflags=$(pkg-config --cflags Qt6Widgets)
fi
headers=0
while IFS= read -r header; do
    name=${header#"$prefix/include/"}
    flags=""
    [[ $name == NorvoUITOKA/qt/* ]] && flags=$qt_cflags
    # shellcheck disable=SC2086
    echo "#include <$name>" | c++ -std=c++20 -fPIC -fsyntax-only -Wall -Wextra -Wpedantic -Werror \
        -I "$prefix/include" $flags -x c++ - || fail "$name does not compile on its own"
    headers=$((headers + 1))
done < <(find "$prefix/include/NorvoUITOKA" -name '*.h' | sort)
echo "check-install: $headers public headers, each compiles on its own"

libdir=$(dirname "$(find "$prefix" -name 'libnorvouitoka.so*' -o -name libnorvouitoka.a | head -n1)")
for library in "$libdir"/libnorvouitoka*.so; do
    [ -e "$library" ] || break
    soname=$(readelf -d "$library" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
    [ -n "$soname" ] && [ -e "$libdir/$soname" ] || fail "$library has no SONAME file ($soname)"
    echo "check-install: $(basename "$library") -> $soname"
done
[ -f "$libdir/cmake/NorvoUITOKA/NorvoUITOKAConfigVersion.cmake" ] || fail "no package version file"

# The catalogues install with the Qt libraries, each holding every text of its
# source catalogue, translated.
if [ -d "$prefix/include/NorvoUITOKA/qt" ]; then
    lconvert=$(command -v lconvert || echo /usr/lib/qt6/bin/lconvert)
    for source in translations/norvouitoka_*.ts; do
        catalogue="$prefix/share/norvouitoka/translations/$(basename "${source%.ts}").qm"
        [ -f "$catalogue" ] || fail "no catalogue $catalogue"
        texts=$(grep -c '<source>' "$source")
        translated=$("$lconvert" -i "$catalogue" -of ts -o - | grep -c '<translation>[^<]')
        [ "$translated" -eq "$texts" ] || fail "$catalogue translates $translated of $texts texts"
        echo "check-install: $(basename "$catalogue"), $translated texts"
    done
fi

export PKG_CONFIG_PATH="$libdir/pkgconfig"
cat > "$work/pkg-config-user.cpp" <<'CPP'
#include <NorvoUITOKA/norvouitoka_version.h>
#include <NorvoUITOKA/platform/ManualClock.h>
#include <NorvoUITOKA/voice/VoiceObjectLayout.h>

#include <cstdio>

int main()
{
    norvo::ManualClock clock;
    clock.advance(5);
    const norvo::VoiceObjectLayout layout(3, 7);
    std::printf("NorvoUITOKA %s: first room at %d\n", NORVOUITOKA_VERSION_STRING,
        layout.index(norvo::VoiceObjectLayout::Block::Room, 0));
    return 0;
}
CPP
# shellcheck disable=SC2046
c++ "$work/pkg-config-user.cpp" -o "$work/pkg-config-user" $(pkg-config --cflags --libs norvouitoka)
LD_LIBRARY_PATH="$libdir" "$work/pkg-config-user"

# The Designer plugin, as Designer loads it: every widget it offers is made.
plugin=$(find "$prefix" -path '*/plugins/designer/libnorvouitoka-designer.so' | head -n1)
if [ -z "$plugin" ]; then
    if [ -d "$prefix/include/NorvoUITOKA/qt" ] && pkg-config --exists Qt6UiPlugin; then
        fail "the Qt front end is installed without its Designer plugin"
    fi
else
    cat > "$work/designer-plugin-user.cpp" <<'CPP'
#include <QApplication>
#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QPluginLoader loader(QString::fromLocal8Bit(argv[1]));
    auto* plugin = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    if (!plugin) {
        std::fprintf(stderr, "%s\n", qPrintable(loader.errorString()));
        return 1;
    }
    QWidget form;
    for (QDesignerCustomWidgetInterface* widget : plugin->customWidgets()) {
        QWidget* made = widget->createWidget(&form);
        if (!made || widget->name() != QLatin1String(made->metaObject()->className()))
            return 1;
        std::printf("check-install: Designer plugin: %s in group %s (%s)\n", qPrintable(widget->name()),
            qPrintable(widget->group()), qPrintable(widget->includeFile()));
    }
    return plugin->customWidgets().isEmpty() ? 1 : 0;
}
CPP
    # shellcheck disable=SC2046
    c++ -std=c++20 -fPIC "$work/designer-plugin-user.cpp" -o "$work/designer-plugin-user" \
        $(pkg-config --cflags --libs Qt6Widgets Qt6UiPlugin)
    QT_QPA_PLATFORM=offscreen "$work/designer-plugin-user" "$plugin" || fail "$plugin does not load in Designer's way"
fi

# The API reference, when the docs target was built before the install.
reference="$prefix/share/doc/norvouitoka"
if [ -d "$reference" ]; then
    [ -f "$reference/html/index.html" ] || fail "no index.html in $reference/html"
    [ -f "$reference/html/classnorvo_1_1TOKA.html" ] || fail "the reference has no page for norvo::TOKA"
    echo "check-install: API reference, $(find "$reference/html" -name '*.html' | wc -l) pages$([ -f "$reference/norvouitoka.qch" ] && echo ", and norvouitoka.qch")"
fi

for example in examples/*/; do
    name=$(basename "$example")
    qt_off=()
    grep -qE 'find_package\(Qt6|COMPONENTS[^)]*\b(qt|quick)\b' "$example/CMakeLists.txt" || qt_off=(-DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON)
    echo "check-install: example $name ${qt_off[*]}"
    { cmake -S "$example" -B "$work/$name" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "${qt_off[@]}" && cmake --build "$work/$name" -j2; } >"$work/$name.log" 2>&1 \
        || { cat "$work/$name.log"; fail "example $name does not build against the install"; }
    # A Qt example runs on the offscreen platform (its scenes drawn by the
    # software renderer, the install's QML modules on the import path) and
    # closes by itself.
    run=("./$name")
    [ ${#qt_off[@]} -gt 0 ] || run=(env QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
        QML_IMPORT_PATH="$libdir/qml" "./$name" --quit-after 1500)
    (cd "$work/$name" && timeout 120 "${run[@]}")
done
