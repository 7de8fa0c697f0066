; qvs.mrc: the companion script of the QVS file server.
; Keep it in one folder with qvs.dll and qvsrelay.dll and load it once:
;   /load -rs qvs.mrc
; It starts the module, tells it every IRC event through the relay, answers
; the identifiers and runs the commands the module asks for, and starts the
; DCC sends.
;
; Text from IRC (messages, nicks, channels, file names) is evaluated exactly
; once, where it is read. It never goes through /scid N <command>, //, $eval
; or a timer, which would evaluate it a second time: connection switches are
; made with a bare /scid N, which runs the following lines on that connection.

; ---------------------------------------------------------------- the DLLs

alias -l qvs.file { return $scriptdir $+ $1 }

; $qvs.relay(export, line): hands one event line to the relay; 1 when posted.
alias -l qvs.relay { return $dll($qvs.file(qvsrelay.dll), $1, $2) }

alias -l qvs.module { return $dll($qvs.file(qvs.dll), $1, $2) }

; ---------------------------------------------------------------- start and stop

; Both may come when the script is first loaded: starting twice does nothing.
on *:LOAD:{ qvs.start }

on *:START:{ qvs.start }

; InitDLL returns once the panel exists, so the connections and channels
; that are already open are announced right here, before any event of
; mIRC's can come in between; a module that was running already knows them.
alias -l qvs.start {
  qvs.warnlock
  var %running = $qvs.relay(Ready, $null)
  var %started = $qvs.module(InitDLL, $null)
  if (%running != 1) qvs.replay
}

; mIRC's Lock can forbid what the module needs: say so, since it cannot.
alias -l qvs.warnlock {
  if ($lock(dll)) echo -s QVS: mIRC's Lock disables /dll: the file server cannot run. Allow it in mIRC's Options, Lock.
  if ($lock(send)) echo -s QVS: mIRC's Lock disables DCC sends: no file can be sent. Allow them in mIRC's Options, Lock.
}

; Connections and channels that exist before the module started.
alias -l qvs.replay {
  var %n = 1
  while (%n <= $scon(0)) {
    scon %n
    if ($status == connected) qvs.replayconnection
    inc %n
  }
}

alias -l qvs.replayconnection {
  var %posted = $qvs.relay(Connect, $cid)
  var %c = 1
  while ($chan(%c) != $null) {
    var %posted = $qvs.relay(Join, $cid $chan(%c))
    inc %c
  }
}

on *:UNLOAD:{
  var %posted = $qvs.relay(ClosePanel, $null)
  dll -u $qt($qvs.file(qvsrelay.dll))
  dll -u $qt($qvs.file(qvs.dll))
}

; ---------------------------------------------------------------- the panel

menu status,channel,menubar {
  QVS file server
  .Show panel:qvs
  .Hide panel:qvs hide
}

; Also the way to start after answering No to the load prompt.
alias qvs {
  qvs.start
  if ($1 == hide) var %shown = $qvs.module(ShowPanel, 0)
  else var %shown = $qvs.module(ShowPanel, 1)
}

; ---------------------------------------------------------------- events

on *:CONNECT:{ var %posted = $qvs.relay(Connect, $cid) }

on *:DISCONNECT:{ var %posted = $qvs.relay(Disconnect, $cid) }

on *:JOIN:#:{
  if ($nick == $me) { var %posted = $qvs.relay(Join, $cid $chan) }
  else { var %posted = $qvs.relay(Reachable, $cid $nick) }
}

on *:PART:#:{
  if ($nick == $me) { var %posted = $qvs.relay(Part, $cid $chan) }
}

on *:KICK:#:{
  if ($knick == $me) { var %posted = $qvs.relay(Part, $cid $chan) }
}

on *:TEXT:*:#:{ var %posted = $qvs.relay(Text, $cid $chan $nick $1-) }

; A private message counts for the first channel the sender shares with us.
on *:TEXT:*:?:{
  var %chan = $comchan($nick, 1)
  if (%chan != $null) { var %posted = $qvs.relay(Query, $cid %chan $nick $1-) }
}

; Whether $me already names the new nick when this runs, either side tells.
on *:NICK:{
  if ($nick == $me) || ($newnick == $me) { var %posted = $qvs.relay(OwnNick, $cid $newnick) }
  else {
    qvs.movesends $nick $newnick
    var %posted = $qvs.relay(NickChange, $cid $nick $newnick)
  }
}

; mIRC leaves a send with the old nick, where its end would be reported
; under a nick the module no longer knows: the sends move with the nick.
alias -l qvs.movesends {
  var %left = $qvs.nthsend($cid, $1, 0)
  while (%left > 0) && ($qvs.nthsend($cid, $1, 0) > 0) {
    dcc nick -s $1 $2
    dec %left
  }
}

on *:FILESENT:*:{ var %posted = $qvs.relay(SendComplete, $qvs.sendline) }

on *:SENDFAIL:*:{ var %posted = $qvs.relay(SendFail, $qvs.sendline) }

; "<cid> <nick> <cps> <bytes> <full path>" of the send that just ended.
; mIRC gives the nick only "if available": then the send window tells.
alias -l qvs.sendline {
  var %path = $filename
  var %i = $qvs.endedsend($cid, $nick, %path)
  var %nick = $nick
  if (%nick == $null) && (%i) var %nick = $send(%i)
  return $cid %nick $qvs.sendstats(%i) %path
}

; The host's latest send window of that path on that connection, to that
; nick when one is named; 0 when there is none.
alias -l qvs.endedsend {
  var %i = $send(0)
  while (%i > 0) {
    if ($send(%i).cid == $1) && (($2 == $null) || ($send(%i) == $2)) && ($qvs.sendpath(%i) == $3) return %i
    dec %i
  }
  return 0
}

; "cps bytes" of the host's send window $1 (none: "0 0"). The bytes sent
; are .rcvd, as mIRC documents it; some versions answer .sent instead.
alias -l qvs.sendstats {
  if (!$1) return 0 0
  var %bytes = $send($1).rcvd
  if (%bytes !isnum) || (%bytes == 0) var %bytes = $send($1).sent
  return $calc(0 + $send($1).cps) $qvs.u32(%bytes)
}

; The module's counters are 32 bits wide.
alias -l qvs.u32 { return $iif($calc(0 + $1) > 4294967295, 4294967295, $calc(0 + $1)) }

; ---------------------------------------------------------------- sends

; The host's send number $1, as a full path: .path is the folder, .file
; the name.
alias -l qvs.sendpath {
  var %folder = $send($1).path
  if ($right(%folder, 1) != \) var %folder = %folder $+ \
  return %folder $+ $send($1).file
}

; The host's number of the nick's $3-th send window on connection $1, counted
; from 1 in the host's order exactly as "/close -sN nick" counts them: a
; finished or failed window stays listed until it is closed. 0 when there is
; none; $3 = 0 counts them.
alias -l qvs.nthsend {
  var %i = 1
  var %seen = 0
  while (%i <= $send(0)) {
    if ($send(%i).cid == $1) && ($send(%i) == $2) {
      inc %seen
      if (%seen == $3) return %i
    }
    inc %i
  }
  return $iif($3 == 0, %seen, 0)
}

; Whether the host's send window $1 still runs (a dead one has no path or
; speed to report).
alias -l qvs.running { return $istok(active waiting, $send($1).status, 32) }

; /SendFile <cid> <nick> <full path>, and its variants with a speed limit
; and a firewall port: every send is reported once through the relay as
; completed or failed; one that cannot start fails at once.
alias SendFile { qvs.send $1 0 $2 $3- }

alias SendFileLimit { qvs.send $1 $2 $3 $4- }

alias SendFileAlternate { qvs.send $1 0 $2 $4- }

alias SendFileAlternateLimit { qvs.send $1 $2 $3 $5- }

; qvs.send <cid> <KB/s, 0 for no limit> <nick> <full path>; the window is
; minimized, since a busy server opens many.
alias -l qvs.send {
  if (!$regex($1, /^\d+$/)) || (!$regex($2, /^\d+$/)) || ($3 == $null) || ($4 == $null) return
  var %cid = $qvs.cid($1)
  var %path = $4-
  if (%cid == $null) || ($qvs.badnick($3)) || (!$isfile(%path)) {
    var %posted = $qvs.relay(SendFail, $1 $3 0 0 %path)
    return
  }
  scid %cid
  if ($status != connected) {
    var %posted = $qvs.relay(SendFail, %cid $3 0 0 %path)
    return
  }
  if ($2 > 0) dcc send -ml $+ $calc($2 * 1024) $3 $qt(%path)
  else dcc send -m $3 $qt(%path)
}

; A nick cannot start with '-' (it would read as a switch), '#' or '&'.
alias -l qvs.badnick { return $istok(45 35 38, $asc($1), 32) }

; ---------------------------------------------------------------- identifiers

; The connection a module argument names: digits only, 0 for the active one;
; $null when there is no such connection.
alias -l qvs.cid {
  var %id = $gettok($1, 1, 32)
  if (!$regex(%id, /^\d+$/)) return
  if (%id == 0) return $cid
  if ($scid(%id) != %id) return
  return %id
}

; A count from 1 the module hands: digits only, else $null.
alias -l qvs.count {
  var %n = $gettok($1, 1, 32)
  if ($regex(%n, /^\d+$/)) return %n
}

; $GetComChan(cid, nick): channels we share with the nick (0: unreachable).
alias GetComChan {
  var %cid = $qvs.cid($1)
  var %nick = $gettok($2, 1, 32)
  if (%cid == $null) || (%nick == $null) return 0
  scid %cid
  return $calc(0 + $comchan(%nick, 0))
}

; $GetOpStatus(cid ,channel,nick): 1 when the nick is an operator there.
alias GetOpStatus {
  var %cid = $qvs.cid($1)
  var %chan = $gettok($2, 1, 32)
  var %nick = $gettok($3, 1, 32)
  if (%cid == $null) || (%chan == $null) || (%nick == $null) return
  scid %cid
  if (%nick isop %chan) return 1
}

; $GetVoiceStatus(cid,channel,nick): 1 when the nick is voiced there.
alias GetVoiceStatus {
  var %cid = $qvs.cid($1)
  var %chan = $gettok($2, 1, 32)
  var %nick = $gettok($3, 1, 32)
  if (%cid == $null) || (%chan == $null) || (%nick == $null) return
  scid %cid
  if (%nick isvoice %chan) return 1
}

; $GetSendCountPerNick(cid,nick): the nick's send windows, running or not,
; so that the module's numbers are those of "/close -sN".
alias GetSendCountPerNick {
  var %cid = $qvs.cid($1)
  var %nick = $gettok($2, 1, 32)
  if (%cid == $null) || (%nick == $null) return 0
  return $qvs.nthsend(%cid, %nick, 0)
}

; $GetSendPathName(cid, nick,N): the folder of the nick's N-th send, with
; its closing backslash.
alias GetSendPathName {
  var %i = $qvs.sendof($1, $2, $3)
  if (%i) && ($qvs.running(%i)) return $nofile($qvs.sendpath(%i))
}

; $GetSendFileName(cid ,nick,N): the file name of the nick's N-th send.
alias GetSendFileName {
  var %i = $qvs.sendof($1, $2, $3)
  if (%i) && ($qvs.running(%i)) return $send(%i).file
}

; $GetSendCpsForNick(cid,nick,N): the speed of the nick's N-th send.
alias GetSendCpsForNick {
  var %i = $qvs.sendof($1, $2, $3)
  if (%i) && ($qvs.running(%i)) return $calc(0 + $send(%i).cps)
}

; The host's send number for the module's (cid, nick, N); 0 when none.
alias -l qvs.sendof {
  var %cid = $qvs.cid($1)
  var %nick = $gettok($2, 1, 32)
  var %n = $qvs.count($3)
  if (%cid == $null) || (%nick == $null) || (!%n) return 0
  return $qvs.nthsend(%cid, %nick, %n)
}

; $GetNickCount(cid,channel): nicks in the channel.
alias GetNickCount {
  var %cid = $qvs.cid($1)
  var %chan = $gettok($2, 1, 32)
  if (%cid == $null) || (%chan == $null) return 0
  scid %cid
  return $calc(0 + $nick(%chan, 0))
}

; $GetNick(cid,channel,N): the N-th nick of the channel.
alias GetNick {
  var %cid = $qvs.cid($1)
  var %chan = $gettok($2, 1, 32)
  var %n = $qvs.count($3)
  if (%cid == $null) || (%chan == $null) || (!%n) return
  scid %cid
  return $nick(%chan, %n)
}

; $GetMinute(t): whole minutes since the time stamp $ctime gave earlier.
alias GetMinute {
  var %t = $qvs.count($1)
  if (%t == $null) return
  if (%t >= $ctime) return 0
  return $int($calc(($ctime - %t) / 60))
}

; ---------------------------------------------------------------- lists

; /QVSListDone <1|0> <list>: a list generation the module was asked for ended.
alias QVSListDone {
  if ($1 == 1) echo -s QVS: the list $2- has been generated.
  else echo -s QVS: the list $2- was not generated.
}
