[playlist]
File1=/tmp/jukewright-fuzz/playlists/Music/a.mp3
Title1=A
File2=x.mp3
File3=..\Music\b c.mp3
File4=a=b.mp3
File5=file:///tmp/jukewright-fuzz/playlists/Music/b%20c.mp3
NumberOfEntries=5
