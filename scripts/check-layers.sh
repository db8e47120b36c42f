#!/bin/sh
# Checks the layer order of the program's folders: each folder includes only
# from itself and the folders listed for it, all of them below it.
# Bottom to top: common, services, resources, engine, output, editions,
# dialog, report, app; beside the core: platform/*, standin, examine; on top: app/main.
# Usage: scripts/check-layers.sh [SOURCE_DIR]; exit status 1 on a violation.
set -u
cd "${1:-$(dirname "$0")/..}" || exit 2

allowed() {
  case $1 in
    common) echo "common" ;;
    services) echo "common services" ;;
    resources) echo "common resources" ;;
    engine) echo "common services engine" ;;
    output) echo "common services output" ;;
    editions) echo "common engine editions" ;;
    dialog) echo "common services resources engine dialog" ;;
    report) echo "common services resources engine output editions report" ;;
    app) echo "common services resources engine output editions dialog report app" ;;
    platform) echo "common services resources dialog platform" ;;
    standin) echo "common services engine standin" ;;
    examine) echo "common services engine editions report examine" ;;
    main) echo "common services resources engine output editions dialog report app platform standin" ;;
    examine) echo "common services resources engine output editions report examine" ;;
  esac
}

status=0
for dir in common services resources engine output editions dialog report app platform standin examine; do
  [ -d "$dir" ] || continue
  for file in $(find "$dir" -name '*.cpp' -o -name '*.h' -o -name '*.rc'); do
    layer=$dir
    case $file in app/main/*) layer=main ;; esac
    ok=$(allowed "$layer")
    for target in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z]*\)\/.*".*/\1/p' "$file"); do
      case " $ok " in
        *" $target "*) ;;
        *) echo "$file includes $target/: $layer may include only: $ok" >&2; status=1 ;;
      esac
    done
  done
done
exit $status
