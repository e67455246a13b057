# The demo's zaq.cfg in the current directory, for run.sh and soak.sh: a 1000-byte image of
# fields at fixed offsets. Source it, then: demo_config MODE CAMERA_PORT (MODE serial or network);
# put OFFSET TEXT changes one field afterwards.
cfg=zaq.cfg
put() { printf '%b' "$2" | dd of="$cfg" bs=1 seek="$1" conv=notrunc status=none; }

demo_config() {
  local mode=$1 cameras=$2
  rm -f "$cfg"
  head -c 1000 /dev/zero >"$cfg"
  chmod 600 "$cfg"
  put 35 1              # master PC
  put 71 1              # serial port 1 (the simulator's line replaces its device)
  put 73 1              # data files every minute
  put 77 "$([[ $mode == network ]] && echo 1 || echo 0)"   # data over the network
  put 110 './\0'        # data directory
  put 210 './\0'        # graphs and log directory
  put 310 './\0'        # captures directory
  put 400 030; put 405 070; put 410 '180\0'; put 415 045; put 420 030; put 425 050
  put 430 110; put 435 060; put 440 002   # closing limits
  put 510 '127.0.0.1\0' # Internet ping host
  put 610 '127.0.0.1\0' # station address
  put 690 20108         # station port
  put 702 3; put 705 10; put 708 10
  put 36 1; put 39 1     # video channels 1 and 4 (the cameras publish as 2 and 3)
  put 81 1; put 82 1; put 85 1; put 86 1   # capture and keep dated copies, both kinds
  put 710 "http://127.0.0.1:$cameras/\0"
  put 810 'Demo ZAQ'
  put 870 '40.417'; put 878 N; put 880 '3.667'; put 888 O; put 891 '\x01'
  put 850 webiopi; put 860 marmalade
  put 900 "http://127.0.0.1:$cameras/picture/x/current/\0"; put 950 './\0'
}

# The banner's template, drawn at the first run: a night-blue gradient with a horizon line,
# 240 × 130 pixels (the seven lines reach down to 120), written as a portable pixmap and encoded by cjpeg.
demo_banner_template() {
  [[ -f baner-b.jpg ]] && return
  awk 'BEGIN {
    w = 240; h = 130; print "P3"; print w, h; print 255
    for (y = 0; y < h; y++) {
      for (x = 0; x < w; x++) {
        if (y == 124) { r = 70; g = 90; b = 60 }
        else if (y > 124) { r = 12; g = 18; b = 10 }
        else { r = 4 + y / 8; g = 10 + y / 4; b = 40 + y / 2 + x / 6 }
        printf "%d %d %d\n", r, g, b
      }
    }
  }' | cjpeg -quality 90 >baner-b.jpg
}
