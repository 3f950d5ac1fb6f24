# CPU time of processes, for the tools that measure how busy a saver keeps the machine;
# sourced.
#
# cpu_ticks PID             user + system time in clock ticks, 0 once the process is gone
# cpu_share TICKS NANOSECONDS   those ticks as a share of one core over that time ("1.2 %")
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }

cpu_share() {
    awk -v t="$1" -v hz="$(getconf CLK_TCK)" -v ns="$2" 'BEGIN { printf "%.1f %%", 100 * t / hz / (ns / 1e9) }'
}
